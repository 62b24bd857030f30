// The help's keys page lists every key that a command answers to, in both languages.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "shell/CommandTable.h"
#include "shell/help/HelpWindow.h"
#include "tests/support/qt_app_support.h"

namespace numora {
namespace {

TEST(HelpKeysPage, ListsEveryKeyOfEveryCommand) {
    test::App();
    static const QRegularExpression keysCell("<tr><td>([^<]*)</td>");  // "Ctrl+Z, Alt+Backspace"
    for (const QString& language : {QStringLiteral("ja"), QStringLiteral("en")}) {
        QFile page(HelpPages(language).filter(QStringLiteral("/keys.html")).value(0));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << language.toStdString();
        QStringList listed;
        for (const auto& row : keysCell.globalMatch(QString::fromUtf8(page.readAll()))) {
            listed << row.captured(1).split(QStringLiteral(", "));
        }
        for (const CommandInfo& command : Commands()) {
            for (const QKeySequence& key : command.keys) {
                const QString text = key.toString(QKeySequence::PortableText)
                                         .replace(QStringLiteral("Del"), QStringLiteral("Delete"))
                                         .replace(QStringLiteral("Ins"), QStringLiteral("Insert"));
                EXPECT_TRUE(listed.contains(text))
                    << language.toStdString() << ' ' << text.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace numora
