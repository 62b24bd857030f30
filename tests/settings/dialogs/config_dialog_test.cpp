#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>
#include <vector>
#include <QSpinBox>
#include <QTabWidget>
#include <memory>

#include "settings/Settings.h"
#include "settings/dialogs/CConfigBasic.h"
#include "settings/dialogs/CConfigDlg.h"
#include "settings/dialogs/CConfigFontColor.h"
#include "settings/dialogs/FontColor.h"
#include "tests/support/dialog_fit_support.h"
#include "tests/support/qt_app_support.h"
#include "tests/support/scripted_prompter.h"

namespace numora {
namespace {

struct ConfigDialog : ::testing::Test {
    ConfigDialog() { test::App(); }
    test::ScriptedPrompter prompter;
    Settings settings{"/nonexistent-numora-test", false};
};

TEST_F(ConfigDialog, DigitsRule) {
    const std::pair<const char*, int> cases[] = {
        {"", 0},
        {"0", 0},
        {"32", 32},
        {"254", 254},
        {"255", 255},
        {"300", 255},
        {"99999999999999999999", 255},
    };
    for (const auto& [text, digits] : cases) EXPECT_EQ(DigitsFromText(text), digits) << text;
}

TEST_F(ConfigDialog, BasicPageReadsAndWritesOptionBits) {
    const struct {
        uint32_t before;
        bool autoSave, noConfirm, keepFormat, unaryBase, enterComputes, recalculate;
        uint32_t after;
    } cases[] = {
        // Bits outside the page (0x100) stay; a kept format becomes 1.
        {0x143, false, false, false, false, false, false, 0x100},
        {0x000, true, true, true, true, true, true, 0x7F - 0x08},
        {0x0C, true, false, true, false, false, false, 0x05},
    };
    for (const auto& c : cases) {
        settings.Option = c.before;
        settings.Digits = 40;
        CConfigDlg dlg(settings, QFont());
        dlg.show();
        CConfigBasic& page = *dlg.Basic();
        EXPECT_EQ(page.autoSave->isChecked(), (c.before & 1) != 0);
        EXPECT_EQ(page.keepStatusFormat->isChecked(), (c.before & 0x0C) != 0);
        EXPECT_EQ(page.recalculateOnOpen->isChecked(), (c.before & 0x40) != 0);
        EXPECT_EQ(page.digits->value(), 40);
        page.autoSave->setChecked(c.autoSave);
        page.noConfirm->setChecked(c.noConfirm);
        page.keepStatusFormat->setChecked(c.keepFormat);
        page.recalculateOnOpen->setChecked(c.recalculate);
        (c.unaryBase ? page.unaryBase : page.unaryPower)->setChecked(true);
        (c.enterComputes ? page.enterComputes : page.enterInserts)->setChecked(true);
        page.digits->findChild<QLineEdit*>()->setText("300");
        dlg.accept();
        EXPECT_EQ(settings.Option, c.after);
        EXPECT_EQ(settings.Digits, 255);
        EXPECT_TRUE(dlg.Changes().basic);
        EXPECT_FALSE(dlg.Changes().fontColor);
    }
}

// Each [Edit] checkbox shows its own setting and, changed, writes it back, and no other.
TEST_F(ConfigDialog, EditCheckboxesReadAndWriteTheirOwnSettings) {
    const struct {
        bool Settings::*setting;
        QCheckBox* CConfigBasic::*box;
    } rows[] = {
        {&Settings::LivePreview, &CConfigBasic::livePreview},
        {&Settings::AutoRecalculate, &CConfigBasic::autoRecalculate},
        {&Settings::Completion, &CConfigBasic::completion},
        {&Settings::GroupDigits, &CConfigBasic::groupDigits},
        {&Settings::UndoTypedRuns, &CConfigBasic::undoTypedRuns},
        {&Settings::Totals, &CConfigBasic::totals},
        {&Settings::Units, &CConfigBasic::units},
        {&Settings::Percent, &CConfigBasic::percent},
        {&Settings::MyriadGrouping, &CConfigBasic::myriadGrouping},
    };
    for (const auto& row : rows) {
        for (const bool before : {false, true}) {
            for (const auto& other : rows) settings.*other.setting = !before;
            settings.*row.setting = before;
            CConfigDlg dlg(settings, QFont());
            dlg.show();
            QCheckBox* box = dlg.Basic()->*row.box;
            EXPECT_EQ(box->isChecked(), before) << box->text().toStdString();
            box->setChecked(!before);
            dlg.accept();
            for (const auto& other : rows) {
                EXPECT_EQ(settings.*other.setting, !before) << box->text().toStdString();
            }
        }
    }
}

// The tax rate and its rounding show the settings and write back what was chosen.
TEST_F(ConfigDialog, TaxRateAndRoundingReadAndWriteTheirSettings) {
    for (const auto& [rate, rounding, newRate, newIndex, stored] :
         std::vector<std::tuple<int, int, int, int, int>>{
             {10, -1, 8, 1, 0}, {8, 0, 0, 2, 1}, {0, 1, 99, 0, -1}}) {
        settings.TaxRate = rate;
        settings.TaxRounding = rounding;
        CConfigDlg dlg(settings, QFont());
        dlg.show();
        CConfigBasic& page = *dlg.Basic();
        EXPECT_EQ(page.taxRate->value(), rate);
        EXPECT_EQ(page.taxRounding->currentData().toInt(), rounding);
        EXPECT_EQ(page.taxRounding->count(), 3);
        page.taxRate->setValue(newRate);
        page.taxRounding->setCurrentIndex(newIndex);
        dlg.accept();
        EXPECT_EQ(settings.TaxRate, newRate);
        EXPECT_EQ(settings.TaxRounding, stored);
    }    // Without percentages the rest of the group has nothing to say.
    settings.Percent = false;
    CConfigDlg dlg(settings, QFont());
    dlg.show();
    CConfigBasic& page = *dlg.Basic();
    EXPECT_FALSE(page.taxRate->isEnabled() || page.taxRounding->isEnabled() ||
                 page.myriadGrouping->isEnabled());
    page.percent->setChecked(true);
    EXPECT_TRUE(page.taxRate->isEnabled() && page.taxRounding->isEnabled() &&
                page.myriadGrouping->isEnabled());
}

TEST_F(ConfigDialog, OpenAndOkKeepsEveryCombinationOfTheRadioBits) {
    for (const uint32_t radios : {0x00u, 0x10u, 0x20u, 0x30u}) {
        for (const uint32_t others : {0x00u, 0x07u, 0x103u}) {
            settings.Option = radios | others;
            CConfigDlg dlg(settings, QFont());
            dlg.show();
            EXPECT_EQ(dlg.Basic()->unaryBase->isChecked(), (radios & 0x20) != 0);
            EXPECT_EQ(dlg.Basic()->unaryPower->isChecked(), (radios & 0x20) == 0);
            EXPECT_EQ(dlg.Basic()->enterComputes->isChecked(), (radios & 0x10) != 0);
            dlg.accept();
            EXPECT_EQ(settings.Option, radios | others) << std::hex << (radios | others);
        }
    }
}

// The first page starts with the language, named in both languages, applied at the next start.
TEST_F(ConfigDialog, LanguageIsChosenOnTheFirstPage) {
    // Each stored choice is shown, and the next one in the list is stored on OK.
    const std::pair<std::string, std::string> cases[] = {
        {"system", "ja"}, {"ja", "en"}, {"en", "system"}};
    for (const auto& [stored, next] : cases) {
        settings.Language = stored;
        CConfigDlg dlg(settings, QFont());
        dlg.show();
        ASSERT_TRUE(dlg.Pages()->currentWidget()->isAncestorOf(dlg.Basic()));
        EXPECT_EQ(dlg.Basic()->findChild<QGroupBox*>()->title(), "表示言語 / Language");
        QComboBox* box = dlg.Basic()->language;
        EXPECT_EQ(box->currentData().toString().toStdString(), stored);
        EXPECT_EQ(box->itemText(0) + "," + box->itemText(1) + "," + box->itemText(2),
                  "システムに合わせる,日本語,English");
        box->setCurrentIndex((box->currentIndex() + 1) % box->count());
        dlg.accept();
        EXPECT_EQ(settings.Language, next);
    }
}

TEST_F(ConfigDialog, FontAndColoursApplyOnlyFromAShownPageAndOnOk) {
    const FontData font{-16, 400, 0, u"Sans"};
    settings.Font = font;
    for (const bool showPage : {false, true}) {
        for (const bool ok : {false, true}) {
            settings.ResultColor = 0xFF0000;
            CConfigDlg dlg(settings, QFont());
            dlg.show();
            if (showPage) dlg.Pages()->setCurrentIndex(1);
            prompter.colors = {QColor(0x12, 0x34, 0x56)};
            dlg.FontColor()->ChooseColor(CConfigFontColor::kResult);
            if (showPage) {
                EXPECT_EQ(dlg.FontColor()->samples[CConfigFontColor::kResult]->palette().color(
                              QPalette::WindowText),
                          QColor(0x12, 0x34, 0x56));
                // "Sans" is no installed face: the one really used is named, an installed one.
                const QString used = ToQFont(font, QFont()).family();
                EXPECT_TRUE(QFontDatabase::hasFamily(used)) << used.toStdString();
                EXPECT_EQ(dlg.FontColor()->fontLabel->text(), QString(" %1, 12pt").arg(used));
            }
            ok ? dlg.accept() : dlg.reject();
            EXPECT_EQ(settings.ResultColor, showPage && ok ? 0x563412u : 0xFF0000u);
            EXPECT_EQ(dlg.Changes().fontColor, showPage && ok);
            EXPECT_EQ(settings.Font, font);
        }
    }
}

TEST_F(ConfigDialog, ChosenFontReplacesTheCopy) {
    CConfigDlg dlg(settings, QFont());
    dlg.show();
    dlg.Pages()->setCurrentIndex(1);
    QFont chosen("Mono");
    chosen.setPixelSize(20);
    chosen.setBold(true);
    chosen.setItalic(true);
    prompter.fonts = {chosen};
    dlg.FontColor()->ChooseFont();
    dlg.accept();
    EXPECT_EQ(settings.Font, (FontData{-20, 700, 1, u"Mono"}));
    EXPECT_EQ(ToQFont(settings.Font, QFont()).pixelSize(), 20);
    EXPECT_EQ(ToQFont({INT32_MIN, 0, 0, u""}, QFont()).pixelSize(), 1000);
    // The stored default face, missing here, gives way to an installed Japanese one; an
    // installed face stays.
    if (!QFontDatabase::hasFamily("Meiryo UI")) {
        EXPECT_EQ(ToQFont({0, 0, 0, u"Meiryo UI"}, QFont()).family(), InstalledFace({}));
        EXPECT_FALSE(InstalledFace({}).isEmpty());
    }
    const QString installed = QFontDatabase::families().value(0);
    EXPECT_EQ(ToQFont({0, 0, 0, installed.toStdU16String()}, QFont()).family(), installed);
}

TEST_F(ConfigDialog, LargeFontKeepsTheButtonsInReach) {
    const auto narrowest = [&](int height) {
        settings.Font = FontData{height, 0, 0, u"Sans"};
        auto dlg = std::make_unique<CConfigDlg>(settings, QFont());
        dlg->Pages()->setCurrentIndex(1);
        dlg->show();
        dlg->resize(dlg->minimumSizeHint());
        QApplication::processEvents();
        const CConfigFontColor& page = *dlg->FontColor();
        for (int i = 0; i < CConfigFontColor::kColorCount; ++i) {
            EXPECT_LE(page.samples[i]->geometry().right(), page.colorButtons[i]->x()) << height;
        }
        return dlg->minimumSizeHint().width();
    };
    // However wide the samples are in the chosen font, the dialog can be as narrow as with
    // the default one, and the samples then never run into their buttons.
    EXPECT_EQ(narrowest(-200), narrowest(-12));
}

// A font chosen larger than the one the dialog opened with: the description and the samples are
// shown whole at once, not first when the dialog is opened again.
TEST_F(ConfigDialog, LargerFontLaysThePageOutAgain) {
    settings.Font = FontData{-12, 0, 0, u"Sans"};
    CConfigDlg dlg(settings, QFont());
    dlg.Pages()->setCurrentIndex(1);
    dlg.show();
    dlg.resize(dlg.sizeHint());
    QApplication::processEvents();
    QFont chosen("Sans");
    chosen.setPixelSize(24);
    prompter.fonts = {chosen};
    dlg.FontColor()->ChooseFont();
    QApplication::processEvents();
    const CConfigFontColor& page = *dlg.FontColor();
    EXPECT_TRUE(page.fontLabel->text().endsWith("pt"));
    EXPECT_GE(page.fontLabel->width(), page.fontLabel->sizeHint().width());
    for (int i = 0; i < CConfigFontColor::kColorCount; ++i) {
        EXPECT_GE(page.samples[i]->width(), page.samples[i]->sizeHint().width()) << i;
        EXPECT_LE(page.samples[i]->geometry().right(), page.colorButtons[i]->x()) << i;
    }
}

TEST_F(ConfigDialog, FitsALaptopScreen) { test::ExpectOptionsDialogFits(settings); }

TEST_F(ConfigDialog, SettingsFileButtonOpensTheFolderOrSaysWhereItIs) {
    CConfigDlg dlg(settings, QFont());
    for (const bool opens : {true, false}) {
        QString opened;
        dlg.SetFolderOpener([&](const QString& folder) {
            opened = folder;
            return opens;
        });
        prompter.messages.clear();
        dlg.SettingsFileButton()->click();
        // As the system writes a folder's name (backslashes on Windows).
        const QString shown = QDir::toNativeSeparators(QStringLiteral("/nonexistent-numora-test"));
        EXPECT_EQ(opened, shown);
        if (opens) {
            EXPECT_TRUE(prompter.messages.empty());
        } else {
            ASSERT_EQ(prompter.messages.size(), 1u);
            EXPECT_EQ(prompter.messages[0].text,
                      "設定ファイルのフォルダを開けませんでした。\n" + shown);
        }
        EXPECT_FALSE(dlg.result() == QDialog::Accepted);
    }
}

}  // namespace
}  // namespace numora
