// The interface in English: every text a user meets in the window, its menus and its dialogs,
// and every translated message, without a Japanese character. A program of its own, since the
// interface language is chosen once per run.
#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include "engine/UnitTable.h"
#include "settings/dialogs/CConfigDlg.h"
#include "shell/CommandId.h"
#include "shell/CommandTable.h"
#include "shell/Translations.h"
#include "shell/find/FindDialog.h"
#include "shell/find/FindTexts.h"
#include "shell/help/HelpWindow.h"
#include "shell/insert/FunctionMenus.h"
#include "shell/insert/UnitCompletionRows.h"
#include "tests/shell/accessibility_support.h"
#include "tests/shell/main_frame_support.h"
#include "tests/support/dialog_fit_support.h"
#include "userfunc/dialogs/CFunctionDlg.h"
#include "userfunc/dialogs/CFunctionEditDlg.h"

namespace numora::test {
namespace {

// Kana, CJK ideographs and full-width forms, outside square brackets: a unit's name in brackets
// ("[坪] -> [m²]") is the unit itself in any language, and so are what a line may say in Japanese
// whatever the interface's language: the numerals 万 and 億 and the Japanese names of the tax
// functions, called with their parentheses ("消費税(...)").
bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    static const QRegularExpression unit(QStringLiteral("\\[[^\\]\\s:;]{1,8}\\]"));
    static const QRegularExpression notation(
        QStringLiteral("万|億|(消費税|税込|内税|税抜)\\(\\.\\.\\.\\)"));
    return QString(text).remove(unit).remove(notation).contains(japanese);
}

// The texts a widget and its children show: titles, labels, buttons, group titles, tabs,
// combo box items, list and table rows, placeholders, tooltips and the actions of menus.
void CollectTexts(const QWidget& root, QStringList& texts) {
    texts << root.windowTitle() << root.toolTip();
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        texts << w->toolTip() << w->statusTip();
        if (auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<const QGroupBox*>(w)) texts << group->title();
        if (auto* edit = qobject_cast<const QLineEdit*>(w)) texts << edit->placeholderText();
        if (auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        }
        if (auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        }
        if (auto* list = qobject_cast<const QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        }
        if (auto* tree = qobject_cast<const QTreeWidget*>(w)) {
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                for (int c = 0; c < tree->columnCount(); ++c) {
                    texts << tree->topLevelItem(i)->text(c);
                }
            }
        }
    }
    // Menus are child widgets too, and their actions children of some widget.
    for (const QAction* action : root.findChildren<QAction*>()) {
        texts << action->text() << action->toolTip() << action->statusTip();
    }
}

class EnglishInterface : public MainFrameTest {
protected:
    EnglishInterface() {
        static const bool installed = InstallTranslators(App(), kLanguageEnglish);
        EXPECT_TRUE(installed);
    }

    // Names the Japanese texts among `texts`; the language choice names each language in itself.
    static QStringList Japanese(const QStringList& texts) {
        QStringList found;
        for (const QString& text : texts) {
            if (HasJapanese(text) && text != QStringLiteral("表示言語 / Language") &&
                text != QStringLiteral("日本語")) {
                found << text;
            }
        }
        return found;
    }
};

TEST_F(EnglishInterface, CommandsMenusToolbarsAndStatusBar) {
    CMainFrame& frame = Start();
    QStringList texts;
    for (const CommandInfo& command : Commands()) texts << command.menuText << command.helpText;
    for (const MenuLayout& menu : MenuBarLayout()) texts << menu.title;
    CollectTexts(frame, texts);
    std::unique_ptr<QMenu> builtins(CreateBuiltinFunctionMenu(&frame));
    CollectTexts(*builtins, texts);
    QMenu user;
    FillUserFunctionMenu(user, frame.Functions());
    CollectTexts(user, texts);
    EXPECT_EQ(Japanese(texts), QStringList());
    EXPECT_EQ(frame.menuBar()->actions().first()->text(), QStringLiteral("&File"));
    EXPECT_EQ(InterfaceLanguage(), QStringLiteral("en"));
}

// The access key of a menu text: the character after a single '&', if any.
QChar AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') return text[i + 1].toUpper();
        ++i;
    }
    return {};
}

// Each menu's items and submenus, and theirs, with `path` naming the menu in a failure.
void ExpectEnglishAccessKeys(const QMenu& menu, const QString& path) {
    static const QRegularExpression suffix(QStringLiteral("\\(&.\\)"));
    QMap<QChar, QString> taken;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        const QString text = action->text();
        EXPECT_FALSE(text.contains(suffix)) << path.toStdString() << ": " << text.toStdString();
        const QChar key = AccessKey(text);
        if (!key.isNull()) {
            EXPECT_FALSE(taken.contains(key))
                << path.toStdString() << ": " << text.toStdString() << " and "
                << taken.value(key).toStdString() << " share " << QString(key).toStdString();
            taken.insert(key, text);
        }
        if (action->menu() != nullptr)
            ExpectEnglishAccessKeys(*action->menu(), path + " > " + text);
    }
}

// Every English menu gives its items access keys the English way ("&Sin", not "Sin (&S)"),
// no two alike; a function item still inserts its name.
TEST_F(EnglishInterface, MenusHaveTheirOwnAccessKeys) {
    CMainFrame& frame = Start();
    QMenu bar;
    for (QAction* menu : frame.menuBar()->actions()) bar.addAction(menu);
    ExpectEnglishAccessKeys(bar, QStringLiteral("menu bar"));
    std::unique_ptr<QMenu> builtins(CreateBuiltinFunctionMenu(&frame));
    ShowTotalsInMenu(*builtins, true);
    ExpectEnglishAccessKeys(*builtins, QStringLiteral("functions"));
    QMenu user;
    FillUserFunctionMenu(user, frame.Functions());
    ASSERT_GE(user.actions().size(), 2);
    ExpectEnglishAccessKeys(user, QStringLiteral("user functions"));
    EXPECT_EQ(user.actions()[1]->text(),
              QStringLiteral("&1 ") + FunctionNameOf(*user.actions()[1]));

    ShowUnitsInMenu(*builtins, true);
    ExpectEnglishAccessKeys(*builtins, QStringLiteral("functions with units"));
    int items = 0, conversions = 0;
    for (const QAction* submenu : builtins->actions()) {
        if (submenu->menu() == nullptr) continue;
        // A conversion is numbered as a list is ("&1 -> [m]"); a function carries its key inside
        // its name.
        const bool units = submenu->menu()->objectName() == QStringLiteral("units");
        for (const QAction* item : submenu->menu()->actions()) {
            if (item->isSeparator()) continue;
            QString shown = item->text();
            if (units) {
                EXPECT_EQ(shown.mid(3), FunctionNameOf(*item)) << shown.toStdString();
                ++conversions;
            } else {
                EXPECT_EQ(FunctionNameOf(*item), shown.remove(u'&')) << item->text().toStdString();
                ++items;
            }
        }
    }
    EXPECT_EQ(items, 63);
    EXPECT_EQ(conversions, 15);
}

// The count of replacements is said in English words, one or many.
TEST_F(EnglishInterface, ReplacementCount) {
    EXPECT_EQ(findtexts::ReplacedAll(1, "food", "meal"),
              QStringLiteral("Replaced 1 occurrence of \"food\" with \"meal\"."));
    EXPECT_EQ(findtexts::ReplacedAll(3, "a%2", "%1b"),
              QStringLiteral("Replaced 3 occurrences of \"a%2\" with \"%1b\"."));
}

// The completion list's lines for units: each row of the unit table, and the prefixed units.
TEST_F(EnglishInterface, UnitHelpLines) {
    Start();
    for (std::size_t row = 0; row < UnitRows().size(); ++row) {
        const QString help = UnitHelpLine({{}, static_cast<std::int32_t>(row), -1});
        EXPECT_FALSE(help.isEmpty() || HasJapanese(help)) << help.toStdString();
    }
    const std::pair<const char16_t*, const char*> prefixed[] = {
        {u"km", "kilometre = 1000 m"},
        {u"kWh", "kilowatt hour = 1000 Wh"},
        {u"µs", "microsecond = 10⁻⁶ s"},
    };
    for (const auto& [name, help] : prefixed) {
        const std::vector<UnitChoice> found = FindUnits(name, 1);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(UnitHelpLine(found[0]).toStdString(), help);
    }
    EXPECT_EQ(UnitCompletionRows(u"しゃ", 1).at(0).help, QStringLiteral("shaku = 10/33 m"));
}

TEST_F(EnglishInterface, ScreenReaderNames) {
    ExpectNames(Start(), {"Worksheet", "Variable List", "Close Variable List", "Standard Toolbar",
                          "Insert Toolbar", "New", "New", "Ctrl+N",
                          "Mantissa digits:", "Choose Default Text Colour", "Choose Result Colour",
                          "Choose Error Message Colour", "Choose Comment Colour"});
}

TEST_F(EnglishInterface, Dialogs) {
    CMainFrame& frame = Start();
    QStringList texts;
    CConfigDlg options(*settings_, frame.font(), &frame);
    CollectTexts(options, texts);
    CFunctionDlg functions(frame.Functions(), settings_->SettingsFolder, frame.font(), &frame);
    CollectTexts(functions, texts);
    CFunctionEditDlg edit(
        {}, [](const QString&) { return true; }, &frame);
    CollectTexts(edit, texts);
    for (FindDialog::Kind kind : {FindDialog::Kind::Find, FindDialog::Kind::Replace}) {
        FindDialog find(kind, {}, &frame);
        CollectTexts(find, texts);
    }
    HelpWindow help;
    CollectTexts(help, texts);
    EXPECT_EQ(Japanese(texts), QStringList());
    EXPECT_EQ(help.Page()->source().path(), QStringLiteral("/help/en/index.html"));
}

// The longer English texts fit where they are shown: each title in the help's list of pages, and
// each text of the status bar's default pane.
TEST_F(EnglishInterface, TextsAreShownWhole) {
    HelpWindow help;
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    const QListWidget& list = *help.Contents();
    ASSERT_EQ(list.count(), HelpPages().size());
    for (int row = 0; row < list.count(); ++row) {
        EXPECT_GE(list.viewport()->width(),
                  list.sizeHintForIndex(list.model()->index(row, 0)).width())
            << list.item(row)->text().toStdString();
    }
    ExpectStatusTextsFit(Start());
}

// The English status texts, longer than the Japanese ones, set the window's width no more: the
// first start is 640 pixels wide, a saved 600 stays.
TEST_F(EnglishInterface, StatusTextsNeverWidenTheWindow) {
    EXPECT_EQ(Start().width(), 640);
    ASSERT_TRUE(Close());
    WriteFile(QStringLiteral("Numora.ini"),
              "[General]\r\nLeft=10\r\nTop=10\r\nWidth=600\r\nHeight=400\r\n");
    ExpectStatusTextsKeepTheWidth(Start());
}

// The English options dialog, wider than the Japanese one, fits a laptop's screen too.
TEST_F(EnglishInterface, OptionsDialogFitsALaptopScreen) {
    Settings settings{"/nonexistent-numora-test", false};
    ExpectOptionsDialogFits(settings);
}

// The messages built from parts (a text, the file's name, the reason) are looked up as a whole.
TEST_F(EnglishInterface, FileMessagesAndQuestions) {
    WriteFile(QStringLiteral("latin1.txt"), "caf\xE9\r\n");
    WriteFile(QStringLiteral("a.txt"), "1\r\n");
    CMainFrame& frame = Start();
    prompter_.files = {FilePath(QStringLiteral("latin1.txt")), FilePath(QStringLiteral("a.txt"))};
    frame.Action(CommandId::FileOpen)->trigger();
    frame.Action(CommandId::FileOpen)->trigger();
    QTest::keyClicks(&View(), QStringLiteral("2"));
    QFile outside(FilePath(QStringLiteral("a.txt")));
    ASSERT_TRUE(outside.open(QIODevice::Append));
    outside.write("outside\r\n");
    outside.close();
    prompter_.answers = {QMessageBox::No};
    frame.Action(CommandId::FileSave)->trigger();
    ASSERT_EQ(prompter_.messages.size(), 2u);
    EXPECT_EQ(prompter_.messages[0].text,
              QStringLiteral("The file could not be read.\nlatin1.txt: not UTF-8 text"));
    EXPECT_EQ(prompter_.messages[1].text,
              QStringLiteral("a.txt has been changed by another program. Overwrite it?"));
    prompter_.messages.clear();
    prompter_.answers = {QMessageBox::No};  // close without saving
}

// The messages shown only when something goes wrong are checked in the translation itself:
// every text has a finished English translation.
TEST(EnglishTranslation, EveryTextIsTranslated) {
    QFile file(QStringLiteral(NUMORA_SOURCE_DIR "/resources/translations/numora_en.ts"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    int messages = 0;
    QString source;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement) continue;
        if (ts.name() == QLatin1String("source")) source = ts.readElementText();
        if (ts.name() != QLatin1String("translation")) continue;
        ++messages;
        const bool finished = ts.attributes().value(QLatin1String("type")).isEmpty();
        // A text said by the count holds one form per count in child elements.
        const QString translation = ts.readElementText(QXmlStreamReader::IncludeChildElements);
        EXPECT_TRUE(finished && !translation.isEmpty() && !HasJapanese(translation))
            << source.toStdString() << " -> " << translation.toStdString();
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
    EXPECT_GE(messages, 200);
}

}  // namespace
}  // namespace numora::test

namespace numora {
namespace {

// With nothing stored the interface follows the system's language; a stored one wins.
TEST(InterfaceLanguageChoice, TheSystemsLanguageUnlessOneIsStored) {
    const auto system = [](const char* locale) {
        return QLocale(QString::fromLatin1(locale)).uiLanguages();
    };
    struct Case {
        std::string_view stored;
        const char* locale;
        std::string_view shown;
    };
    const Case cases[] = {
        {kLanguageSystem, "en_US", kLanguageEnglish},
        {kLanguageSystem, "ja_JP", kLanguageJapanese},
        {kLanguageSystem, "de_DE", kLanguageEnglish},
        {kLanguageSystem, "C", kLanguageEnglish},
        {kLanguageJapanese, "en_US", kLanguageJapanese},
        {kLanguageEnglish, "ja_JP", kLanguageEnglish},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveLanguage(c.stored, system(c.locale)), c.shown)
            << c.stored << " " << c.locale;
    }
}

// A Japanese interface on a system in another language is drawn in a font that has kana and
// kanji, as on a Japanese desktop, not in a Latin one patched up from fallback fonts. In a
// process of its own, with an English system: the platform's fonts are matched once a process.
TEST(InterfaceLanguageChoice, AJapaneseInterfaceOnAnEnglishSystemHasAJapaneseDefaultFont) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows gives the interface font itself and links the Japanese glyphs to it";
#endif
    test::App();
    if (qEnvironmentVariableIsSet("NUMORA_FONT_LANGUAGE_CHILD")) {
        MatchFontsToLanguage(ResolveLanguage(kLanguageJapanese, QLocale::system().uiLanguages()));
        const QString family = QFontInfo(QApplication::font()).family();
        EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese))
            << family.toStdString();
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"FC_LANG", "LANGUAGE", "LC_CTYPE"}) environment.remove(name);
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("NUMORA_FONT_LANGUAGE_CHILD"), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=InterfaceLanguageChoice.AJapaneseInterface*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

}  // namespace
}  // namespace numora
