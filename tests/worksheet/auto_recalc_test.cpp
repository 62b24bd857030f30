// Automatic recalculation without a window: after each Enter the worksheet reads as a
// recalculation from the top reads, in one undo step, at the cost of the lines below.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "base/Text.h"
#include "engine/UserFunctions.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"
#include "worksheet/Worksheet.h"

namespace numora {
namespace {

// Types over a paragraph as the user would, without Enter.
void Retype(MemoryTextBuffer& text, std::int32_t paragraph, std::u16string_view line) {
    text.BeginUndoGroup();
    text.ReplaceRange(text.ParagraphStart(paragraph), ParagraphEndOf(text, paragraph), line);
    text.EndUndoGroup();
}

void EnterOn(MemoryTextBuffer& text, Worksheet& sheet, std::int32_t paragraph) {
    text.SetSelection(ParagraphEndOf(text, paragraph), ParagraphEndOf(text, paragraph));
    sheet.PressEnter(false, false);
}

// What Recalculate All makes of a worksheet in which every line shows its result.
std::u16string FromTheTop(const std::u16string& worksheet) {
    CalcEngine engine;
    return RecalculateAfresh(worksheet, engine).text;
}

struct AutoSheet {
    explicit AutoSheet(std::u16string_view initial) : text(initial) {
        sheet.SetAutoRecalculate(true);
    }
    UserFunctionCatalogue functions;
    MemoryTextBuffer text;
    Worksheet sheet{text, functions};
};

TEST(AutoRecalculate, AnEnterBringsTheResultsBelowUpToDateInOneUndoStep) {
    AutoSheet s(u"a=1\n>1\nb=a*10\n>10\nc=b+1 // never calculated\nd=@+a\n>11\n");
    int calculated = 0;
    s.sheet.SetCalculatedHandler([&] { ++calculated; });
    Retype(s.text, 0, u"a=2");
    const std::u16string typed = s.text.Text();
    EnterOn(s.text, s.sheet, 0);
    EXPECT_EQ(Utf16ToUtf8(s.text.Text()), "a=2\n>2\nb=a*10\n>20\nc=b+1 // never calculated\n"
                                          "d=@+a\n>22\n");
    // The caret where Enter puts it: on the line after the new result.
    EXPECT_EQ(s.text.Caret(), s.text.ParagraphStart(2));
    EXPECT_EQ(calculated, 1);
    // The status bar shows the Enter's own line.
    EXPECT_EQ(Utf16ToUtf8(s.sheet.Engine().GetValueText()), "2");
    ASSERT_TRUE(s.text.Undo());
    EXPECT_EQ(s.text.Text(), typed);
}

TEST(AutoRecalculate, ReadsAsARecalculationFromTheTopAfterEveryEnter) {
    // Each step types over one paragraph and presses Enter on another; afterwards the whole
    // worksheet must read as Recalculate All would make it.
    AutoSheet s(u"x=y+1\n>6\ny=5\n>5\nz=x+y\n>11\nq=@*2\n>22\n");
    struct Step {
        std::int32_t typed;
        const char16_t* line;
        std::int32_t enter;
    };
    const Step steps[] = {
        {0, u"x=y+1", 0},  // y is assigned only further below: an error, as from the top
        {2, u"y=7", 2},    // the error above stays; z uses y
        {0, u"x=3", 0},
        {0, u"x=4", 6},    // typed above, Enter far below: the edited line is calculated too
        {4, u"z=x*y // again", 4},
        {2, u"y=y+1", 2},  // y refers to itself: unknown above it
        {0, u"y=1", 2},
        {6, u"q=@+x", 4},  // Enter above an edit: the edit below is calculated as well
    };
    for (const Step& step : steps) {
        Retype(s.text, step.typed, step.line);
        EnterOn(s.text, s.sheet, step.enter);
        const std::u16string now = s.text.Text();
        EXPECT_EQ(Utf16ToUtf8(now), Utf16ToUtf8(FromTheTop(now)))
            << "after typing " << Utf16ToUtf8(step.line);
    }
}

TEST(AutoRecalculate, AnEnterNearTheEndLeavesTheLinesAboveAlone) {
    // A random number above would change if the top were calculated again.
    std::u16string worksheet = u"r=random()\n>0.5\n";
    for (int i = 0; i < 50; ++i) worksheet += u"v=" + Utf8ToUtf16(std::to_string(i)) + u"\n>0\n";
    AutoSheet s(worksheet);
    ASSERT_TRUE(s.sheet.RecalculateResults());
    const std::u16string random = s.text.TextRange(0, s.text.ParagraphStart(2));
    EXPECT_NE(Utf16ToUtf8(random), "r=random()\n>0.5\n");
    Retype(s.text, 90, u"v=r*0");
    EnterOn(s.text, s.sheet, 90);
    EXPECT_EQ(s.text.TextRange(0, s.text.ParagraphStart(2)), random);
    EXPECT_EQ(Utf16ToUtf8(s.text.TextRange(s.text.ParagraphStart(91), ParagraphEndOf(s.text, 91))),
              ">0");
    // The last line calculated again is the last one: 49.
    EXPECT_EQ(Utf16ToUtf8(s.text.TextRange(s.text.ParagraphStart(101), s.text.TextLength())),
              ">49\n");
}

TEST(AutoRecalculate, RecalculatingTheResultsLeavesUncalculatedLinesAsTheyAre) {
    AutoSheet s(u"a=4\n>1\nb=a+1\nc=a*a\n>0\n");
    ASSERT_TRUE(s.sheet.RecalculateResults());
    EXPECT_EQ(Utf16ToUtf8(s.text.Text()), "a=4\n>4\nb=a+1\nc=a*a\n>16\n");
    ASSERT_TRUE(s.text.Undo());
    EXPECT_EQ(Utf16ToUtf8(s.text.Text()), "a=4\n>1\nb=a+1\nc=a*a\n>0\n");
    // What a preview calculates with: the lines above it only.
    EXPECT_EQ(s.sheet.StateForLine(0).Variables.Size(), 0u);
    const CalcEngine::Session above = s.sheet.StateForLine(3);
    ASSERT_NE(above.Variables.Find(u"a"), nullptr);
    EXPECT_EQ(*above.Variables.Find(u"a"), Number(4));
    EXPECT_EQ(above.LastAnswer, Number(4));
}

// Stops the second job it waits for, the update of the lines below an Enter, once that has
// had ample time for the quick lines.
class StopBelow final : public LineWait {
public:
    explicit StopBelow(Worksheet& sheet) : sheet_(sheet) {}
    void WaitForLine(LineWorker& worker) override {
        if (++jobs == 2 && !worker.WaitFor(std::chrono::milliseconds(300))) sheet_.Cancel();
        worker.Wait();
    }
    int jobs = 0;

private:
    Worksheet& sheet_;
};

TEST(AutoRecalculate, AStoppedUpdateKeepsTheEnterAndTheLinesDoneAndSaysSo) {
    // f40 makes 2^40 calls: the update ends only when stopped.
    AutoSheet s(u"a=1\n>1\nb=a+1\n>2\nf40(a)\n>0\nc=a*3\n>3\n");
    s.functions.Append({u"f0", {u"x"}, u"x+1", u""});
    for (int i = 1; i <= 40; ++i) {
        const std::u16string inner = u"f" + Utf8ToUtf16(std::to_string(i - 1)) + u"(x)";
        s.functions.Append(
            {u"f" + Utf8ToUtf16(std::to_string(i)), {u"x"}, inner + u"+" + inner, u""});
    }
    bool stopped = false;
    s.sheet.SetResultsEndedHandler([&](bool value) { stopped = value; });
    StopBelow wait(s.sheet);
    s.sheet.SetLineWait(&wait);
    Retype(s.text, 0, u"a=2");
    EnterOn(s.text, s.sheet, 0);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(Utf16ToUtf8(s.text.Text()), "a=2\n>2\nb=a+1\n>3\nf40(a)\n>0\nc=a*3\n>3\n");
    // The next Enter below carries on from where the update stopped.
    s.sheet.SetLineWait(nullptr);
    Retype(s.text, 4, u"f2(a)");
    EnterOn(s.text, s.sheet, 6);
    EXPECT_EQ(Utf16ToUtf8(s.text.Text()), "a=2\n>2\nb=a+1\n>3\nf2(a)\n>12\nc=a*3\n>6\n");
}

}  // namespace
}  // namespace numora
