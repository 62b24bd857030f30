#pragma once
// A worksheet editor in a shown window, driven by key presses as a user would, with its
// worksheet and the wait of its lines wired as the main window wires them.
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <map>

#include "settings/Settings.h"
#include "tests/support/qt_app_support.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/CalculationWait.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora::test {

class ViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { App(); }
    ViewTest() {
        view.ShowWorksheet(&sheet);
        namespace defaults = SettingsDefaults;
        view.ApplyColors(defaults::DefaultColor, defaults::ResultColor, defaults::ErrorColor,
                         defaults::CommentColor);
    }
    void SetUp() override {
        view.resize(400, 300);
        view.show();
        view.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));  // so that it paints
    }

    // Types `script`, in which <Enter>, <S-Enter>, <C-Enter>, <Up>, <Home>, <End>, <BS>,
    // <Del>, <Ins>, <Undo> and <Redo> press keys.
    void Type(const QString& script) {
        using Key = std::pair<Qt::Key, Qt::KeyboardModifiers>;
        static const std::map<QString, Key> keys = {
            {"Enter", {Qt::Key_Return, {}}},
            {"S-Enter", {Qt::Key_Return, Qt::ShiftModifier}},
            {"Up", {Qt::Key_Up, {}}},
            {"C-Enter", {Qt::Key_Return, Qt::ControlModifier}},
            {"Home", {Qt::Key_Home, {}}},
            {"End", {Qt::Key_End, {}}},
            {"BS", {Qt::Key_Backspace, {}}},
            {"Del", {Qt::Key_Delete, {}}},
            {"Ins", {Qt::Key_Insert, {}}},
            {"Undo", {Qt::Key_Z, Qt::ControlModifier}},
            {"Redo", {Qt::Key_Y, Qt::ControlModifier}},
            {"A-BS", {Qt::Key_Backspace, Qt::AltModifier}},
            {"Esc", {Qt::Key_Escape, {}}}};
        for (qsizetype i = 0; i < script.size(); ++i) {
            const qsizetype close = script.indexOf(u'>', i);
            const auto key =
                script[i] == u'<' ? keys.find(script.mid(i + 1, close - i - 1)) : keys.end();
            if (key == keys.end()) {
                QTest::keyClicks(&view, script.mid(i, 1));
                continue;
            }
            Press(key->second.first, key->second.second);
            i = close;
        }
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&view, key, modifiers);
    }
    void Enter(std::initializer_list<const char*> lines) {
        for (const char* line : lines) Type(QString::fromUtf8(line) + "<Enter>");
    }
    std::string Text() const { return view.Text().toStdString(); }
    int Caret() const { return view.textCursor().position(); }
    // What the user sees, one letter a character: D default, R result, E error, C comment, and
    // ? where no colour is shown (lines are coloured as they come into view).
    QString Colors() const {
        view.viewport()->repaint();
        QString out;
        for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
            if (block != view.document()->begin()) out += u'\n';
            QString line(block.length() - 1, u'?');
            for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
                const QColor color = range.format.foreground().color();
                QChar letter = u'?';
                for (const auto& [kind, name] : {std::pair{ColorKind::Default, u'D'},
                                                 {ColorKind::Result, u'R'},
                                                 {ColorKind::Error, u'E'},
                                                 {ColorKind::Comment, u'C'}}) {
                    if (letter == u'?' && color == view.LineColor(kind)) letter = name;
                }
                for (int i = range.start; i < range.start + range.length && i < line.size(); ++i) {
                    line[i] = letter;
                }
            }
            out += line;
        }
        return out;
    }

    UserFunctionCatalogue functions;
    WorksheetEditor view;
    Worksheet sheet{view, functions};
    CalculationWait wait{sheet};  // goes before the worksheet
};

}  // namespace numora::test
