// Help while typing in the window: the list of names under the caret, what Tab, Enter and Esc
// do with it, and the tip with the arguments of the call being typed.
#include "shell/CMainFrame.h"
#include "tests/shell/main_frame_support.h"
#include "worksheet/view/CompletionPopup.h"
#include "worksheet/view/TypingHelp.h"
#include "shell/ShellHandlers.h"
#include <algorithm>

namespace numora::test {
namespace {

class TypingHelpTest : public MainFrameTest {
protected:
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&View(), key, modifiers);
    }
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
};

TEST_F(TypingHelpTest, TabInsertsTheChosenNameAndEnterStillCalculates) {
    Start();
    Type("s");
    EXPECT_FALSE(Help().PopupShown());  // one letter is not yet a name to complete
    Type("q");
    EXPECT_TRUE(Rows().contains("Sqrt(x) | 平方根")) << Rows().join('\n').toStdString();
    while (CurrentName() != "Sqrt") Key(Qt::Key_Down);
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

}  // namespace
}  // namespace numora::test
