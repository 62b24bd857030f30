// Help while typing in the window: the list of names under the caret, its order, what Tab, Enter
// and Esc do with it, and the tip with the arguments of the call being typed.
#include <QKeySequence>
#include <QTextBlock>
#include <algorithm>

#include "shell/CMainFrame.h"
#include "shell/ShellHandlers.h"
#include "shell/insert/CompletionCatalogue.h"
#include "tests/shell/main_frame_support.h"
#include "worksheet/view/CompletionPopup.h"
#include "worksheet/view/TypingHelp.h"
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"
#include "worksheet/Worksheet.h"

namespace numora::test {
namespace {

class TypingHelpTest : public MainFrameTest {
protected:
    void Type(const char* text) { QTest::keyClicks(&View(), QString::fromUtf8(text)); }
    TypingHelp& Help() { return frame_->Typing(); }
    // The rows shown, as "signature | help".
    QStringList Rows() {
        QStringList rows;
        if (!Help().PopupShown()) return rows;
        for (const CompletionRow& row : Help().Popup().Rows()) rows << row.signature + " | " + row.help;
        return rows;
    }
    QString CurrentName() { return Help().Popup().Rows()[Help().Popup().Current()].name; }
    // The variables offered for `typed`, as "name=value".
    QStringList Variables(const char16_t* typed) {
        CompletionCatalogue& catalogue = frame_->Completion();
        const auto indexes = catalogue.Indexes();
        QStringList offered;
        for (const auto& [index, item] : FindInAll(indexes, typed, 16)) {
            const CompletionItem& entry = indexes[index]->Item(item);
            if (entry.kind != CompletionItem::Kind::Variable) continue;
            offered << QString::fromStdU16String(entry.name) + u'=' + catalogue.HelpOf(index, item);
        }
        offered.sort();
        return offered;
    }
};

// The variables offered are those the engine has, however they came and went: an Enter adds
// and changes them without all being listed again, Delete in the list and a line taken back by
// automatic recalculation remove them, and Recalculate All lists them afresh.
TEST_F(TypingHelpTest, VariablesOfferedFollowTheEngine) {
    CMainFrame& frame = Start();
    TypeLine("alpha1 = 1");
    TypeLine("alpha2 = 2");
    EXPECT_EQ(Variables(u"al"), QStringList({"alpha1=1", "alpha2=2"}));
    TypeLine("alpha1 = 7");
    TypeLine("alphabet = 3");
    EXPECT_EQ(Variables(u"al"), QStringList({"alpha1=7", "alpha2=2", "alphabet=3"}));

    VariableListBox& list = *frame.VariableList().List();
    list.setFocus();
    list.setCurrentRow(1);  // alpha2
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(Variables(u"al"), QStringList({"alpha1=7", "alphabet=3"}));
    View().setFocus();
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Variables(u"al"), QStringList({"alpha1=7", "alpha2=2", "alphabet=3"}));

    frame.Sheet().SetAutoRecalculate(true);
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End);
    Key(Qt::Key_Return);  // the journal is made from the top
    // The last line assigns another name: its old one is gone.
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    ASSERT_EQ(View().textCursor().block().text(), QStringLiteral("alphabet = 3"));
    Key(Qt::Key_End);
    for (int i = 0; i < 8; ++i) Key(Qt::Key_Backspace);
    Type("orn = 3");
    Key(Qt::Key_Return);
    EXPECT_EQ(Variables(u"al"), QStringList({"alpha1=7", "alpha2=2", "alphorn=3"}));
}

TEST_F(TypingHelpTest, TabInsertsTheChosenNameAndEnterStillCalculates) {
    Start();
    Type("s");
    EXPECT_FALSE(Help().PopupShown());  // one letter is not yet a name to complete
    Type("q");
    EXPECT_TRUE(Rows().contains("Sqrt(x) | 平方根")) << Rows().join('\n').toStdString();
    EXPECT_EQ(CurrentName(), QStringLiteral("Sqrt"));  // not Sqr2, the constant
    Key(Qt::Key_Tab);
    EXPECT_EQ(View().Text(), QStringLiteral("sqrt("));
    EXPECT_EQ(View().textCursor().position(), 5);
    EXPECT_FALSE(Help().PopupShown());
    EXPECT_EQ(Help().TipShown(), QStringLiteral("Sqrt(<b>x</b>)"));
    Type("16)");
    EXPECT_EQ(Help().TipShown(), QString());  // out of the call
    Key(Qt::Key_Return);
    EXPECT_EQ(View().Text(), QStringLiteral("sqrt(16)\n>4\n"));

    // A new variable is offered after its Enter; Enter with the list open only calculates.
    TypeLine("total1 = 5");
    Type("3*to");
    EXPECT_TRUE(Rows().contains("total1 | 5")) << Rows().join('\n').toStdString();
    Key(Qt::Key_Return);
    EXPECT_FALSE(Help().PopupShown());
    EXPECT_TRUE(View().Text().endsWith(QStringLiteral("3*to\n>Error : \"to\" is Not Variable\n")))
        << View().Text().toStdString();
    // Esc closes the list and leaves the text.
    Key(Qt::Key_End, Qt::ControlModifier);
    Type("tot");
    EXPECT_TRUE(Help().PopupShown());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Help().PopupShown());
    EXPECT_TRUE(View().Text().endsWith(QStringLiteral("\ntot")));
}

TEST_F(TypingHelpTest, UserFunctionsTheirArgumentsAndWhereNothingOpens) {
    Start();
    Type("LogN(3;");
    EXPECT_EQ(Help().TipShown(), QStringLiteral("LogN(base; <b>x</b>)"));
    Key(Qt::Key_A, Qt::ControlModifier);
    Type("Lo");
    const QStringList rows = Rows();
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const QString& row) {
        return row.startsWith(QStringLiteral("LogN(base; x) | "));
    })) << rows.join('\n').toStdString();

    for (const char* line : {"1 // sq", ">sq", "  > 2*sq"}) {
        Key(Qt::Key_A, Qt::ControlModifier);
        Type(line);
        EXPECT_FALSE(Help().PopupShown()) << line;
    }
    Key(Qt::Key_A, Qt::ControlModifier);
    Type(">sin(");
    EXPECT_EQ(Help().TipShown(), QString());

    // Off, nothing opens.
    frame_->AppSettings().Completion = false;
    ApplyOptions(*frame_, false);
    Key(Qt::Key_A, Qt::ControlModifier);
    Type("hypot(sq");
    EXPECT_FALSE(Help().PopupShown());
    EXPECT_EQ(Help().TipShown(), QString());
}

TEST_F(TypingHelpTest, NamesTheWorksheetUsesComeFirstThenTheMostUsedFunctions) {
    struct Case {
        std::vector<const char*> lines;  // typed and calculated first
        const char* typed;
        const char* first;
    };
    const Case cases[] = {
        {{}, "sq", "Sqrt"},
        {{}, "sqr", "Sqrt"},  // the name being typed is no use of "sqr" yet
        {{}, "lo", "Log"},
        {{}, "ex", "Exp"},
        {{}, "co", "Cos"},
        {{}, "SI", "Sin"},
        {{"sq_total = 5"}, "sq", "sq_total"},
        {{"cosh(1)"}, "co", "Cosh"},
        {{"2*sqr(4)"}, "sq", "Sqr"},
        {{"sq_total = 5", "sqrt(2)"}, "sq", "Sqrt"},  // both used: the function first
    };
    // One letter opens no list; the first match is still the most used function.
    Start();
    const auto first = FindInAll(frame_->Completion().Indexes(), u"s", 1);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(frame_->Completion().Indexes()[first[0].first]->Item(first[0].second).name, u"Sqrt");
    for (const Case& c : cases) {
        Start();
        for (const char* line : c.lines) TypeLine(QString::fromUtf8(line));
        Type(c.typed);
        ASSERT_TRUE(Help().PopupShown()) << c.typed;
        EXPECT_EQ(CurrentName(), QString::fromUtf8(c.first))
            << c.typed << " after " << (c.lines.empty() ? "" : c.lines[0]);
    }
}

TEST_F(TypingHelpTest, UsedNamesFollowTheTextThroughLoadsDeletionsAndUndo) {
    Start();
    // A long load is read when the list first needs it.
    QString text;
    for (int i = 0; i < 100; ++i) text += QStringLiteral("1+1\n");
    View().LoadText(text + QStringLiteral("cosh(1)\n2+2\n"));
    Key(Qt::Key_End, Qt::ControlModifier);
    Type("co");
    EXPECT_EQ(CurrentName(), QStringLiteral("Cosh"));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    // The line that used it goes, and comes back with Undo.
    const auto deleteLine = [&] {
        QTextCursor line(View().document()->findBlockByNumber(100));
        line.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        View().setTextCursor(line);
        Key(Qt::Key_Delete);
        ASSERT_FALSE(View().Text().contains(QStringLiteral("cosh")));
    };
    deleteLine();
    View().undo();
    ASSERT_TRUE(View().Text().contains(QStringLiteral("cosh(1)\n2+2\n")));
    Key(Qt::Key_End, Qt::ControlModifier);
    Type("co");
    EXPECT_EQ(CurrentName(), QStringLiteral("Cosh"));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    deleteLine();
    Key(Qt::Key_End, Qt::ControlModifier);
    Type("co");
    EXPECT_EQ(CurrentName(), QStringLiteral("Cos"));
}

TEST_F(TypingHelpTest, EscClosesTheTipUntilTheCaretIsInAnotherCall) {
    Start();
    struct Step {
        const char* typed;  // or else the key
        Qt::Key key;
        const char* tip;  // the function it is for; empty when hidden
        bool listed;
    };
    const Step steps[] = {
        {"hypot(1; sin(", {}, "Sin", false},
        {nullptr, Qt::Key_Escape, "", false},
        {"2", {}, "", false},  // typed and moved within the same call, it stays closed
        {nullptr, Qt::Key_Left, "", false},
        {nullptr, Qt::Key_End, "", false},
        {")", {}, "Hypot", false},  // another call
        {nullptr, Qt::Key_Escape, "", false},
        {"; 3", {}, "", false},
        {"; cos(", {}, "Cos", false},  // typed into another call
        {nullptr, Qt::Key_Escape, "", false},
        {nullptr, Qt::Key_Left, "Hypot", false},  // moved into another call
        {nullptr, Qt::Key_Escape, "", false},
        {nullptr, Qt::Key_Home, "", false},
        {nullptr, Qt::Key_End, "Cos", false},
        // With the list open, Esc closes the list first, then the tip.
        {"si", {}, "Cos", true},
        {"n(ex", {}, "Sin", true},
        {nullptr, Qt::Key_Escape, "Sin", false},
        {nullptr, Qt::Key_Escape, "", false},
    };
    for (const Step& step : steps) {
        const std::string what =
            step.typed ? step.typed : QKeySequence(step.key).toString().toStdString();
        if (step.typed) {
            Type(step.typed);
        } else {
            Key(step.key);
        }
        const QString tip = Help().TipShown();
        EXPECT_EQ(tip.left(tip.indexOf(u'(')), QString::fromUtf8(step.tip)) << what;
        EXPECT_EQ(Help().PopupShown(), step.listed) << what;
    }
    EXPECT_EQ(View().Text(), QStringLiteral("hypot(1; sin(2); 3; cos(sin(ex"));
}

TEST_F(TypingHelpTest, OnTheLastLineShownTheTipAndTheListGoAboveIt) {
    Start();
    frame_->resize(520, 360);
    QString text;
    for (int i = 0; i < 200; ++i) text += QStringLiteral("1\n");
    View().LoadText(text);
    Key(Qt::Key_End, Qt::ControlModifier);
    Type("2*hypot(");
    const QRect area = View().viewport()->rect();
    const QRect line = View().cursorRect();
    const QRect tip = Help().Tip().geometry();
    ASSERT_FALSE(Help().TipShown().isEmpty());
    ASSERT_GT(line.bottom() + tip.height(), area.bottom()) << "no room below the line";
    EXPECT_TRUE(area.contains(tip));
    EXPECT_LT(tip.bottom(), line.top());

    // The list goes above the tip.
    Type("co");
    ASSERT_TRUE(Help().PopupShown());
    const QRect list = Help().Popup().geometry();
    EXPECT_TRUE(area.contains(list));
    EXPECT_LT(list.bottom(), Help().Tip().geometry().top());

    // On the first line, both stay below it.
    Key(Qt::Key_Home, Qt::ControlModifier);
    Type("sin(co");
    const QRect first = View().cursorRect();
    EXPECT_GT(Help().Tip().geometry().top(), first.bottom());
    EXPECT_GT(Help().Popup().geometry().top(), Help().Tip().geometry().bottom());
}

}  // namespace
}  // namespace numora::test
