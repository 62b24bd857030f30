// The help's keys page lists every key that a command answers to, in both languages.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "shell/CommandTable.h"
#include "shell/help/HelpWindow.h"
#include "tests/support/qt_app_support.h"

namespace numora {
namespace {

// The keys named in the first column of the page's tables: "Ctrl+Z, Alt+Backspace".
QSet<QString> KeysOnPage(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    static const QRegularExpression row("<tr><td>([^<]*)</td>");
    QSet<QString> keys;
    for (const auto& match : row.globalMatch(QString::fromUtf8(file.readAll()))) {
        for (const QString& key : match.captured(1).split(QStringLiteral(", "))) keys << key;
    }
    return keys;
}

TEST(HelpKeysPage, ListsEveryKeyOfEveryCommand) {
    test::App();
    for (const QString& language : {QStringLiteral("ja"), QStringLiteral("en")}) {
        const QString page = HelpPages(language).filter(QStringLiteral("/keys.html")).value(0);
        const QSet<QString> listed = KeysOnPage(page);
        for (const CommandInfo& command : Commands()) {
            for (const QKeySequence& key : command.keys) {
                QString text = key.toString(QKeySequence::PortableText);
                text.replace(QStringLiteral("Del"), QStringLiteral("Delete"))
                    .replace(QStringLiteral("Ins"), QStringLiteral("Insert"));
                EXPECT_TRUE(listed.contains(text))
                    << language.toStdString() << ": " << text.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace numora
