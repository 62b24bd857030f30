// Recalculating a whole worksheet.
#include <gtest/gtest.h>

#include "engine/CalcEngine.h"
#include "engine/Cancel.h"
#include "engine/Format.h"
#include "tests/worksheet/driver_test_support.h"
#include "worksheet/CalcEngineEvaluator.h"
#include "worksheet/Recalculate.h"
#include "worksheet/VariableList.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

using testing::ScriptedEvaluator;

TEST(Recalc, WritesEveryResult) {
    const struct {
        const char* before;
        const char* after;
        int evaluated, failed;
        bool option;
    } cases[] = {
        {"a=1\nb=a+1\na+b", "a=1\n>1\nb=a+1\n>2\na+b\n>3\n", 3, 0, false},
        {"a=1\n>9\nb=a+1\n>Error : x\na+b\n>7\n", "a=1\n>1\nb=a+1\n>2\na+b\n>3\n", 3, 0, false},
        {"a=1\nb=a+1\n>2", "a=1\n>1\nb=a+1\n>2\n", 2, 0, false},
        {"// head\n\na=1 // one\n  \n>stray\na+b",
         "// head\n\na=1 // one\n>1\n  \n>stray\na+b\n>3\n", 2, 0, false},
        {"a=1\r\nb=a+1\r", "a=1\n>1\nb=a+1\n>2\n", 2, 0, false},
        {"1/0\nx=5", "1/0\n>Error : Division by zero\nx=5\n>5\n", 2, 1, false},
        {"", "", 0, 0, false},
        {">3\n1+2", ">3\n>3\n1+2\n>3\n", 2, 0, true},  // result lines calculate
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        ScriptedEvaluator evaluator(testing::CommonScript());
        RecalcOptions options;
        options.enterComputesResultLine = c.option;
        const RecalcOutcome outcome =
            RecalculateWorksheet(Utf8ToUtf16(c.before), evaluator, options);
        EXPECT_EQ(Utf16ToUtf8(outcome.text), c.after);
        EXPECT_EQ(outcome.evaluated, c.evaluated);
        EXPECT_EQ(outcome.failed, c.failed);
    }
}

// A user's session: Enter at the end of each line that is neither a result line nor blank or
// comment-only, then on below the line's result (or below the failing line's result).
std::u16string PressEnterTopToBottom(const std::u16string& text, LineEvaluator& evaluator) {
    MemoryTextBuffer buffer(text);
    WorksheetDriver driver(buffer, evaluator);
    for (std::int32_t paragraph = 0; paragraph < buffer.ParagraphCount();) {
        const Paragraph line = GetParagraph(buffer, buffer.ParagraphStart(paragraph));
        const std::u16string content = line.text.substr(0, line.text.find(u"//"));
        const std::size_t first = content.find_first_not_of(u" \t\u3000");
        if (first == std::u16string::npos || content[first] == u'>') {
            ++paragraph;
            continue;
        }
        const std::int32_t end = line.start + line.length;
        buffer.SetSelection(end, end);
        driver.PressEnter(false, false);
        paragraph = buffer.Caret() <= end ? paragraph + 2 : buffer.ParagraphOf(buffer.Caret());
    }
    return buffer.Text();
}

TEST(Recalc, SameAsPressingEnterWithTheEngine) {
    const std::u16string text =
        u"// prices\nnet = 1,250.5 * 3\n>0\ntax = net * 0.08 // rate\n\nnet + tax\n@ * 2\n"
        u">Error : old\n1/0\nsqrt(tax) + unknown\n  \u3000\n\uff4e\uff45\uff54 / 4\nnet^0.5";
    CalcEngine batchEngine;
    const RecalcOutcome batch = RecalculateWorksheet(text, batchEngine);
    CalcEngine handEngine;
    CalcEngineEvaluator byHand(handEngine);
    EXPECT_EQ(batch.text, PressEnterTopToBottom(text, byHand));
    EXPECT_EQ(batch.evaluated, 8);
    EXPECT_EQ(batch.failed, 2);
    EXPECT_NE(batch.text.find(u"net + tax\n>4051.62\n@ * 2\n>8103.24\n1/0\n>Error"),
              std::u16string::npos);
}

// The window puts the text in while the lines below are still calculated: each piece is whole
// paragraphs that no later line changes, and the pieces and the rest are the text.
TEST(Recalc, PiecesOnTheWayMakeTheText) {
    const std::u16string text = u"a = 1\n>9\n\n// note\na + 1\nb = a * 3\n>old\n1/0\nb\n>3";
    for (const std::int32_t every : {1, 2, 3, 100}) {
        SCOPED_TRACE(every);
        std::u16string streamed;
        RecalcOptions options;
        options.piecesEvery = every;
        options.piece = [&](std::u16string_view piece) {
            EXPECT_TRUE(piece.ends_with(u'\n'));
            streamed += piece;
        };
        CalcEngine engine;
        const RecalcOutcome outcome = RecalculateWorksheet(text, engine, options);
        ASSERT_TRUE(outcome.text.starts_with(streamed));
        EXPECT_EQ(Utf16ToUtf8(outcome.text),
                  "a = 1\n>1\n\n// note\na + 1\n>2\nb = a * 3\n>3\n1/0\n"
                  ">Error : Division by zero\nb\n>3\n");
        // Line by line, nothing is left for the rest but the empty last paragraph.
        if (every == 1) {
            EXPECT_EQ(streamed, outcome.text);
        }
        if (every == 100) {
            EXPECT_EQ(streamed, u"");
        }
    }
}

// The window's engine is recalculated in: a stale variable must not leak into the result, and a
// stop half way keeps the lines done, with their variables, over those the engine held.
TEST(Recalc, AfreshForgetsOldVariablesAndAStopKeepsTheLinesDone) {
    CalcEngine engine;
    std::u16string line = u"stale = 5";
    std::int32_t position = 0;
    ASSERT_EQ(engine.Evaluate(line, position), 0);

    const RecalcOutcome fresh = RecalculateAfresh(u"stale + 1\nx = 2", engine);
    EXPECT_EQ(Utf16ToUtf8(fresh.text),
              "stale + 1\n>Error : \"stale\" is Not Variable\nx = 2\n>2\n");
    EXPECT_EQ(engine.GetVariables().Find(u"stale"), nullptr);
    ASSERT_NE(engine.GetVariables().Find(u"x"), nullptr);

    // Progress counts the lines to calculate, as the text stood before any result went in.
    std::vector<std::pair<std::int32_t, std::int32_t>> reached;
    RecalcOptions options;
    options.progressEvery = 1;
    options.progress = [&](std::int32_t done, std::int32_t total) {
        reached.emplace_back(done, total);
    };
    RecalculateAfresh(u"// notes\na = 1\n\na + 1\n>old\na + 2", engine, options);
    using Reached = std::vector<std::pair<std::int32_t, std::int32_t>>;
    EXPECT_EQ(reached, Reached({{0, 3}, {1, 3}, {2, 3}}));

    reached.clear();
    options.cancel = &engine.Cancel();
    options.progress = [&](std::int32_t done, std::int32_t total) {
        reached.emplace_back(done, total);
        if (done == 1) RequestCancel(engine.Cancel());
    };
    const RecalcOutcome stopped = RecalculateAfresh(u"y = 1\ny + 1\nz = 3", engine, options);
    ClearCancel(engine.Cancel());
    EXPECT_TRUE(stopped.canceled);
    EXPECT_EQ(reached, Reached({{0, 3}, {1, 3}}));
    // The line done stays done, the line stopped and those below stay as they were.
    EXPECT_EQ(stopped.text, u"y = 1\n>1\ny + 1\nz = 3");
    EXPECT_EQ(stopped.stoppedAt, 2);
    EXPECT_NE(engine.GetVariables().Find(u"y"), nullptr);
    EXPECT_NE(engine.GetVariables().Find(u"a"), nullptr);
}

// Stopped after `done` lines, the engine and the variable list hold what they held before, with
// what the lines done stored over it: the lines not reached keep their variables, as their text.
TEST(Recalc, AStopKeepsTheVariablesOfTheLinesNotReached) {
    struct Case {
        const char16_t* text;
        std::int32_t done;
        std::vector<std::string> list;
        const char* last;  // "@" afterwards
    };
    // Before: k = 7, then y = 1.
    const Case cases[] = {
        {u"slow\nk = 7\n>7", 0, {"k=7", "y=1"}, "1"},
        {u"y = 2\nslow\nk = 7\n>7", 1, {"k=7", "y=2"}, "2"},
        {u"new = 5\nk = 8\nslow\ny = 9", 2, {"k=8", "new=5", "y=1"}, "8"},
        {u"1/0\nslow\nk = 7", 1, {"k=7", "y=1"}, "1"},  // a failed line stores nothing
    };
    for (const Case& c : cases) {
        const std::string name = Utf16ToUtf8(c.text);
        CalcEngine engine;
        VariableListModel list;
        for (std::u16string line : {u"k = 7", u"y = 1"}) {
            std::int32_t position = 0;
            ASSERT_EQ(engine.Evaluate(line, position), 0);
            list.Refresh(engine);
        }
        RecalcOptions options;
        options.cancel = &engine.Cancel();
        options.variableList = &list;
        options.progressEvery = 1;
        options.progress = [&](std::int32_t done, std::int32_t) {
            if (done == c.done) RequestCancel(engine.Cancel());
        };
        const RecalcOutcome outcome = RecalculateAfresh(c.text, engine, options);
        ClearCancel(engine.Cancel());
        ASSERT_TRUE(outcome.canceled) << name;
        std::vector<std::string> listed;
        for (const VariableListEntry& entry : list.Entries())
            listed.push_back(Utf16ToUtf8(entry.text));
        EXPECT_EQ(listed, c.list) << name;
        ASSERT_EQ(engine.GetVariables().Size(), c.list.size()) << name;
        for (const std::string& entry : c.list) {
            const std::size_t eq = entry.find('=');
            const Number* value = engine.GetVariables().Find(Utf8ToUtf16(entry.substr(0, eq)));
            ASSERT_NE(value, nullptr) << name << ' ' << entry;
            EXPECT_EQ(Utf16ToUtf8(FormatNumber(*value, 32)), entry.substr(eq + 1)) << name;
        }
        EXPECT_EQ(Utf16ToUtf8(FormatNumber(engine.GetLastAnswer(), 32)), c.last) << name;
    }

    // Run to the end, the list is what the lines assign, and nothing of before.
    CalcEngine engine;
    VariableListModel list;
    std::u16string line = u"old = 1";
    std::int32_t position = 0;
    ASSERT_EQ(engine.Evaluate(line, position), 0);
    list.Refresh(engine);
    RecalcOptions options;
    options.variableList = &list;
    RecalculateAfresh(u"k = 2", engine, options);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(Utf16ToUtf8(list.Text(0)), "k=2");
    EXPECT_EQ(engine.GetVariables().Find(u"old"), nullptr);
}

// Stopped after `done` lines: those keep their new results, the rest reads as it did, with or
// without old result lines, comments and blank lines between, and CR LF line ends.
TEST(Recalc, AStopKeepsTheLinesDoneAndTheRestAsItWas) {
    struct Case {
        const char16_t* text;
        std::int32_t done;
        const char16_t* expected;
        std::int32_t stoppedAt;
    };
    const Case cases[] = {
        {u"a = 1\n>9\nb = a + 1\n>8\nc = 3", 1, u"a = 1\n>1\nb = a + 1\n>8\nc = 3", 2},
        {u"a = 1\nb = 2\n\n// note\nc = 3\n>old", 2,
         u"a = 1\n>1\nb = 2\n>2\n\n// note\nc = 3\n>old", 6},
        {u"a = 1\r\n>x\r\n1/0\r\nlast", 2, u"a = 1\n>1\n1/0\n>Error : Division by zero\nlast", 4},
        {u"x = 5\nx * 2", 0, u"x = 5\nx * 2", 0},
    };
    for (const Case& c : cases) {
        CalcEngine engine;
        RecalcOptions options;
        options.cancel = &engine.Cancel();
        options.progressEvery = 1;
        options.progress = [&](std::int32_t done, std::int32_t) {
            if (done == c.done) RequestCancel(engine.Cancel());
        };
        const RecalcOutcome outcome = RecalculateAfresh(c.text, engine, options);
        ClearCancel(engine.Cancel());
        EXPECT_TRUE(outcome.canceled) << Utf16ToUtf8(c.text);
        EXPECT_EQ(Utf16ToUtf8(outcome.text), Utf16ToUtf8(c.expected));
        EXPECT_EQ(outcome.stoppedAt, c.stoppedAt) << Utf16ToUtf8(c.text);
    }
}

// Esc that comes while a line ends: the line is done, with its result, and the stop comes at the
// next line, so the text and what the engine stored agree.
TEST(Recalc, ALineThatEndsAsTheStopComesIsDone) {
    class StopAfterSecond final : public LineEvaluator {
    public:
        explicit StopAfterSecond(CalcEngine& engine) : engine_(engine), inner_(engine) {}
        int Evaluate(std::u16string& line, std::int32_t& position) override {
            const int status = inner_.Evaluate(line, position);
            if (++lines_ == 2) RequestCancel(engine_.Cancel());
            return status;
        }
        const std::u16string& MessageText() const override { return inner_.MessageText(); }

    private:
        CalcEngine& engine_;
        CalcEngineEvaluator inner_;
        int lines_ = 0;
    };
    CalcEngine engine;
    StopAfterSecond evaluator(engine);
    RecalcOptions options;
    options.cancel = &engine.Cancel();
    const RecalcOutcome outcome =
        RecalculateWorksheet(u"n = 1\nn = n + 1\nn = n + 1\n>old", evaluator, options);
    ClearCancel(engine.Cancel());
    EXPECT_TRUE(outcome.canceled);
    EXPECT_EQ(Utf16ToUtf8(outcome.text), "n = 1\n>1\nn = n + 1\n>2\nn = n + 1\n>old");
    EXPECT_EQ(outcome.stoppedAt, 4);
    ASSERT_NE(engine.GetVariables().Find(u"n"), nullptr);
    EXPECT_EQ(*engine.GetVariables().Find(u"n"), Number(2));
}

}  // namespace
}  // namespace numora
