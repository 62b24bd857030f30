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

    void Type(const QString& text) { QTest::keyClicks(&view, text); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&view, key, modifiers);
    }
    // Types each line and presses Enter after it.
    void Enter(std::initializer_list<const char*> lines) {
        for (const char* line : lines) {
            Type(QString::fromUtf8(line));
            Press(Qt::Key_Return);
        }
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
