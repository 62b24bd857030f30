#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include "engine/Builtins.h"
#include "engine/CalcEngine.h"
#include "engine/TaxFunctions.h"
#include "shell/insert/FunctionMenuTable.h"
#include "shell/insert/FunctionMenus.h"
#include "tests/support/qt_app_support.h"
#include "userfunc/UserFunctionStore.h"
#include "userfunc/dialogs/FunctionCheck.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {
namespace {

QList<QAction*> Functions(const QMenu& menu) {
    QList<QAction*> items;
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator()) items << action;
    }
    return items;
}

TEST(FunctionMenus, BuiltinMenuNamesRealFunctionsWithTheirHelp) {
    test::App();
    std::unique_ptr<QMenu> menu(CreateBuiltinFunctionMenu(nullptr));
    const std::pair<QString, int> submenus[] = {
        {"三角関数(&T)", 13},   {"指数・対数(&E)", 8}, {"計算・整数・丸め(&I)", 8},
        {"日付・時間(&D)", 11}, {"論理演算(&L)", 9},   {"変換・その他(&C)", 5},
    };
    // and a separator before each of the totals, the units and the percent functions
    ASSERT_EQ(menu->actions().size(), 12);
    std::map<QString, const QAction*> byName;
    for (int i = 0; i < 6; ++i) {
        const QAction* sub = menu->actions()[i];
        EXPECT_EQ(sub->text(), submenus[i].first);
        const QList<QAction*> items = Functions(*sub->menu());
        EXPECT_EQ(items.size(), submenus[i].second) << sub->text().toStdString();
        for (const QAction* item : items) {
            const QString name = FunctionNameOf(*item);
            EXPECT_NE(FindBuiltin(AsciiLower(name).toStdU16String()), nullptr)
                << name.toStdString();
            EXPECT_TRUE(item->statusTip().contains(name + "(")) << name.toStdString();
            byName[name] = item;
        }
    }
    const std::tuple<QString, int, QString> samples[] = {
        {"Sin\t(&S)", 1, "正弦 : Sin(Radian)"},
        {"ATan2\t(&Z)", 2, "4象限逆正接 : ATan2(x;y)"},
        {"UnixTime\t(&U)", 6,
         "指定した日時のシリアル値 [Unix Int] : UnixTime(Year;Month;Day;Hour;Min;Sec)"},
        {"TimeSpan\t(&S)", 4, "経過時間のシリアル値 (Unix Int) : TimeSpan(Days;Hour;Min;Sec)"},
        {"Ceil\t(&C)", 1, "x以上の最小の整数値 : Ceil(x)"},
    };
    for (const auto& [text, places, help] : samples) {
        const QAction* item = byName.at(text.section('\t', 0, 0));
        EXPECT_EQ(item->text(), text);
        EXPECT_EQ(SlotsOf(*item), places);
        EXPECT_EQ(item->statusTip(), help);
    }
}

// The totals names under a heading of their own, shown while totals are on; an item inserts the
// name alone, in place of the selection.
TEST(FunctionMenus, TotalsHaveAHeadingOfTheirOwnAndInsertTheirNames) {
    test::App();
    std::unique_ptr<QMenu> menu(CreateBuiltinFunctionMenu(nullptr));
    const QAction* heading = menu->actions()[7];
    ASSERT_NE(heading->menu(), nullptr);
    EXPECT_EQ(heading->text(), "合計(&S)");
    const QList<QAction*> items = Functions(*heading->menu());
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Subtotal\t(&S)");
    EXPECT_EQ(items[2]->statusTip(), "小計の項目の平均 : Average, 平均");
    ShowTotalsInMenu(*menu, false);
    EXPECT_FALSE(heading->isVisible());
    EXPECT_FALSE(menu->actions()[6]->isVisible());
    EXPECT_TRUE(menu->actions()[5]->isVisible());
    ShowTotalsInMenu(*menu, true);
    EXPECT_TRUE(heading->isVisible());

    WorksheetEditor view;
    Worksheet sheet(view, NoUserFunctions());
    view.ShowWorksheet(&sheet);
    view.LoadText("tax = x*0.08");
    view.SetSelection(6, 7);
    InsertChosenFunction(sheet.Driver(), view, *items[0]);
    EXPECT_EQ(view.Text(), "tax = Subtotal*0.08");
}

// The unit conversions under a heading of their own, shown while units are on. Each item's help
// ends in an example that the engine, with units on, computes as it says.
TEST(FunctionMenus, UnitConversionsHaveAHeadingAndTheirExamplesHold) {
    test::App();
    std::unique_ptr<QMenu> menu(CreateBuiltinFunctionMenu(nullptr));
    const QAction* heading = menu->actions()[9];
    ASSERT_NE(heading->menu(), nullptr);
    EXPECT_EQ(heading->text(), "単位(&U)");
    const QList<QAction*> items = Functions(*heading->menu());
    ASSERT_GE(items.size(), 10);
    CalcEngine engine;
    engine.SetOptions({.Units = true});
    QStringList accessKeys;
    for (const QAction* item : items) {
        const QString text = FunctionNameOf(*item);
        EXPECT_EQ(SlotsOf(*item), kNameOnly) << text.toStdString();
        accessKeys << item->text().section(u'\t', 1);
        // "坪を平方メートルに : 121[坪] = 400[m²]": the item's text converts the left side to
        // the right side's value; "センチメートルに換算 : 5[ft] + 2[in] -> [cm]" is a line that
        // uses it.
        const QString example = item->statusTip().section(QStringLiteral(" : "), 1);
        ASSERT_FALSE(example.isEmpty()) << text.toStdString();
        std::u16string line;
        QString expected;
        if (example.contains(QStringLiteral("->"))) {
            EXPECT_TRUE(example.endsWith(text)) << example.toStdString();
            line = example.toStdU16String();
        } else {
            const bool approximate = example.contains(QStringLiteral(" ≈ "));
            const QStringList sides =
                example.split(approximate ? QStringLiteral(" ≈ ") : QStringLiteral(" = "));
            ASSERT_EQ(sides.size(), 2) << example.toStdString();
            const qsizetype bracket = sides[0].indexOf(u'[');
            EXPECT_EQ(sides[0].mid(bracket) + text.mid(text.indexOf(QStringLiteral(" ->"))), text);
            line = (sides[0].left(bracket) + text).toStdU16String();
            expected = sides[1];
            // "400[m²]" is shown as ">400 [m²]"; of "≈ 180.39[mL]" the digits shown come first.
            expected = approximate ? expected.left(expected.indexOf(u'['))
                                   : expected.insert(expected.indexOf(u'['), u' ');
        }
        std::int32_t position = 0;
        const std::u16string typed = line;
        EXPECT_EQ(engine.Evaluate(line, position), 0)
            << QString::fromStdU16String(typed).toStdString();
        const QString result = QString::fromStdU16String(engine.GetMessageText());
        if (expected.isEmpty()) continue;
        if (expected.contains(u'[')) {
            EXPECT_EQ(result, expected) << QString::fromStdU16String(typed).toStdString();
        } else {
            EXPECT_TRUE(result.startsWith(expected)) << result.toStdString();
        }
    }
    EXPECT_EQ(accessKeys.removeDuplicates(), 0) << accessKeys.join(' ').toStdString();
    ShowUnitsInMenu(*menu, false);
    EXPECT_FALSE(heading->isVisible());
    EXPECT_FALSE(menu->actions()[8]->isVisible());
    EXPECT_TRUE(menu->actions()[7]->isVisible());  // the totals stay
    ShowUnitsInMenu(*menu, true);
    EXPECT_TRUE(heading->isVisible());

    WorksheetEditor view;
    Worksheet sheet(view, NoUserFunctions());
    view.ShowWorksheet(&sheet);
    view.LoadText("area = 30");
    view.SetSelection(9, 9);
    InsertChosenFunction(sheet.Driver(), view, *items[items.size() - 4]);
    EXPECT_EQ(view.Text(), "area = 30[坪] -> [m²]");
}

// The percent and tax functions under a heading of their own, shown while percentages are on;
// each item names a function that exists then, and inserts its call.
TEST(FunctionMenus, PercentFunctionsHaveAHeading) {
    test::App();
    std::unique_ptr<QMenu> menu(CreateBuiltinFunctionMenu(nullptr));
    const QAction* heading = menu->actions()[11];
    ASSERT_NE(heading->menu(), nullptr);
    EXPECT_EQ(heading->text(), "パーセント・税(&P)");
    const QList<QAction*> items = Functions(*heading->menu());
    QStringList names;
    for (const QAction* item : items) {
        names << FunctionNameOf(*item);
        EXPECT_NE(FindPercentFunction(AsciiLower(names.back()).toStdU16String()), nullptr);
        EXPECT_TRUE(item->statusTip().contains(names.back() + u'(')) << names.back().toStdString();
    }
    EXPECT_EQ(names, (QStringList{"Pct", "PctChange", "Tax", "TaxPlus", "TaxIncluded", "TaxMinus"}));
    ShowPercentInMenu(*menu, false);
    EXPECT_FALSE(heading->isVisible());
    EXPECT_FALSE(menu->actions()[10]->isVisible());
    EXPECT_TRUE(menu->actions()[9]->isVisible());  // the units stay
    ShowPercentInMenu(*menu, true);
    EXPECT_TRUE(heading->isVisible());

    WorksheetEditor view;
    Worksheet sheet(view, NoUserFunctions());
    view.ShowWorksheet(&sheet);
    view.LoadText("1980");
    view.SetSelection(0, 4);
    InsertChosenFunction(sheet.Driver(), view, *items[3]);
    EXPECT_EQ(view.Text(), "TaxPlus(1980)");
}

TEST(FunctionMenus, UserMenuAccessKeysRepeatAfterSixteen) {
    test::App();
    UserFunctionCatalogue catalogue;
    for (int i = 0; i < 17; ++i) {
        AddUserFunction(catalogue, u"f" + std::u16string(1, u'a' + i), i == 16 ? u"a;b;c" : u"x",
                        u"x", u"説明");
    }
    QMenu menu;
    FillUserFunctionMenu(menu, catalogue);
    FillUserFunctionMenu(menu, catalogue);  // rebuilt, not appended
    const QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 17);
    EXPECT_EQ(items[0]->text(), "fa\t(&0)");
    EXPECT_EQ(items[10]->text(), "fk\t(&A)");
    EXPECT_EQ(items[16]->text(), "fq\t(&0)");
    EXPECT_EQ(SlotsOf(*items[16]), 3);
    EXPECT_EQ(items[16]->statusTip(), "説明");
}

TEST(FunctionMenus, ChosenItemIsInsertedAroundTheSelectionAsOneUndoStep) {
    test::App();
    WorksheetEditor view;
    Worksheet sheet(view, NoUserFunctions());
    view.ShowWorksheet(&sheet);
    view.LoadText("a=30");
    view.SetSelection(2, 4);
    QMenu menu;
    QAction* hypot = menu.addAction("Hypot\t(&H)");
    hypot->setData(2);
    InsertChosenFunction(sheet.Driver(), view, *hypot);
    EXPECT_EQ(view.Text(), "a=Hypot(30;)");
    EXPECT_EQ(view.GetSelection().start, 8);
    EXPECT_EQ(view.GetSelection().end, 10);
    view.undo();
    EXPECT_EQ(view.Text(), "a=30");
}

TEST(FunctionMenus, PointsOffScreenComeBackHorizontally) {
    test::App();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint inside = area.center();
    EXPECT_EQ(KeepOnScreen(inside), inside);
    EXPECT_EQ(KeepOnScreen(QPoint(area.right() + 500, inside.y())).x(), area.right());
    EXPECT_EQ(KeepOnScreen(QPoint(area.left() - 500, inside.y())).x(), area.left());
}

}  // namespace
}  // namespace numora
