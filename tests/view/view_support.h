#pragma once
// A worksheet editor in a shown window, driven by key presses as a user would.
#include <QTest>
#include <QTextBlock>

#include "tests/support/qt_app_support.h"
#include "worksheet/view/CView.h"

namespace numora::test {

class ViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { App(); }
    void SetUp() override {
        view.resize(400, 300);
        view.show();
        view.setFocus();
    }

    // Types `script`; <Enter>, <S-Enter>, <C-Enter>, <Up>, <Home>, <End>, <BS>, <Del>, <Ins>,
    // <Undo> and <Redo> press keys.
    void Type(const QString& script) {
        static const std::pair<const char*, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys[] = {
            {"Enter", {Qt::Key_Return, Qt::NoModifier}},
            {"S-Enter", {Qt::Key_Return, Qt::ShiftModifier}},
            {"C-Enter", {Qt::Key_Return, Qt::ControlModifier}},
            {"Up", {Qt::Key_Up, Qt::NoModifier}},
            {"Home", {Qt::Key_Home, Qt::NoModifier}},
            {"End", {Qt::Key_End, Qt::NoModifier}},
            {"BS", {Qt::Key_Backspace, Qt::NoModifier}},
            {"Del", {Qt::Key_Delete, Qt::NoModifier}},
            {"Ins", {Qt::Key_Insert, Qt::NoModifier}},
            {"Undo", {Qt::Key_Z, Qt::ControlModifier}},
            {"Redo", {Qt::Key_Y, Qt::ControlModifier}},
        };
        for (qsizetype i = 0; i < script.size();) {
            const qsizetype close = script.indexOf(u'>', i);
            if (script[i] == u'<' && close > i + 1) {
                const QString name = script.mid(i + 1, close - i - 1);
                for (const auto& [key, press] : keys) {
                    if (name == QLatin1String(key)) Press(press.first, press.second);
                }
                i = close + 1;
            } else {
                QTest::keyClicks(&view, script.mid(i, 1));
                ++i;
            }
        }
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&view, key, modifiers);
    }
    // Types each line and presses Enter after it.
    void Enter(std::initializer_list<const char*> lines) {
        for (const char* line : lines) Type(QString::fromUtf8(line) + "<Enter>");
    }
    int Caret() const { return view.textCursor().position(); }
    // The colour a user sees on the character at `position`.
    QColor ColorAt(int position) const {
        const QTextBlock block = view.document()->findBlock(position);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (position >= fragment.position() &&
                position < fragment.position() + fragment.length()) {
                return fragment.charFormat().foreground().color();
            }
        }
        return {};
    }
    // One letter per character of `text`: D default, R result, E error, C comment.
    QString Colors() const {
        QString out;
        const QString text = view.Text();
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == u'\n') {
                out += u'\n';
                continue;
            }
            const QColor color = ColorAt(i);
            const char* letter = "?";
            if (color == view.LineColor(ColorKind::Default)) letter = "D";
            if (color == view.LineColor(ColorKind::Result)) letter = "R";
            if (color == view.LineColor(ColorKind::Error)) letter = "E";
            if (color == view.LineColor(ColorKind::Comment)) letter = "C";
            out += QLatin1String(letter);
        }
        return out;
    }

    CView view;
};

}  // namespace numora::test
