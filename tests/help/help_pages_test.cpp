#include <gtest/gtest.h>

#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include "engine/CalcEngine.h"
#include "shell/help/HelpWindow.h"
#include "tests/support/qt_app_support.h"
#include "userfunc/UserFunctionStore.h"
#include "worksheet/Recalculate.h"

namespace numora {
namespace {

QString Unescape(QString text) {
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
}

// Every <pre class="example"> block, in the pages of either language, is a piece of worksheet
// as it stands after Enter was pressed on each of its lines, from the top, in a fresh worksheet
// with the default options of the desktop program (totals, units and percentages on, the tax at
// 10% rounded down) and user functions: recalculating it must give it back unchanged.
TEST(HelpPages, EveryExampleShowsWhatTheProgramComputes) {
    test::App();
    static const QRegularExpression example("<pre class=\"example\">(.*?)</pre>",
                                            QRegularExpression::DotMatchesEverythingOption);
    UserFunctionCatalogue functions;
    AddDefaultUserFunctions(functions);
    int examples = 0;
    int totalsExamples = 0;
    QStringList pages = HelpPages(QStringLiteral("ja"));
    pages << HelpPages(QStringLiteral("en"));
    for (const QString& path : pages) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        for (const auto& match : example.globalMatch(html)) {
            const QString block = Unescape(match.captured(1));
            CalcEngine engine(functions);
            engine.SetOptions({.Units = true, .Percent = true, .TaxRate = 10, .TaxRounding = -1});
            RecalcOptions options;
            options.totals = true;
            const RecalcOutcome outcome =
                RecalculateWorksheet(block.toStdU16String(), engine, options);
            const bool totals = block.contains(QStringLiteral("subtotal"), Qt::CaseInsensitive) ||
                                block.contains(QStringLiteral("小計"));
            totalsExamples += totals ? 1 : 0;
            EXPECT_EQ(QString::fromStdU16String(outcome.text).toStdString(), block.toStdString())
                << path.toStdString();
            ++examples;
        }
    }
    EXPECT_GE(examples, 30);
    EXPECT_EQ(totalsExamples, 4);  // the budget and the invoice, in either language
}

// The pages say their examples are framed: as the help window lays a page out, every line of
// every example is inside a table drawn with a border.
TEST(HelpPages, EveryExampleIsFramed) {
    test::App();
    static const QRegularExpression example("<pre class=\"example\">(.*?)</pre>",
                                            QRegularExpression::DotMatchesEverythingOption);
    QStringList pages = HelpPages(QStringLiteral("ja"));
    pages << HelpPages(QStringLiteral("en"));
    int examples = 0;
    for (const QString& path : pages) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        QTextDocument page;
        page.setHtml(html);
        QStringList framed;
        for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
            const QTextTable* table = QTextCursor(block).currentTable();
            if (table != nullptr && table->format().border() > 0) framed << block.text();
        }
        for (const auto& match : example.globalMatch(html)) {
            for (const QString& line :
                 Unescape(match.captured(1)).split('\n', Qt::SkipEmptyParts)) {
                EXPECT_TRUE(framed.contains(line))
                    << path.toStdString() << ": " << line.toStdString();
            }
            ++examples;
        }
    }
    EXPECT_GE(examples, 30);
}

TEST(HelpWindow, OpensAtTheFirstPageAndSearchNarrowsTheList) {
    test::App();
    HelpWindow window;
    EXPECT_EQ(window.Contents()->count(), HelpPages().size());
    EXPECT_EQ(window.Page()->source().path(), "/help/index.html");
    EXPECT_EQ(window.Contents()->currentRow(), 0);

    window.Search("hypot");
    ASSERT_EQ(window.Contents()->count(), 1);
    EXPECT_EQ(window.Page()->source().path(), "/help/functions.html");
    EXPECT_EQ(window.Page()->textCursor().selectedText().toLower(), "hypot");

    window.Search("no such text anywhere");
    EXPECT_EQ(window.Contents()->count(), 0);
    window.ShowFirstPage();
    EXPECT_EQ(window.Contents()->count(), HelpPages().size());
}

}  // namespace
}  // namespace numora
