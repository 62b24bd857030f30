// A long random session at the real window: typing in three scripts, the Enter keys, deleting,
// moving and selecting, the line-wise clipboard, undo and redo, Recalculate All, Replace All,
// the list pane, Esc on an endless line, and save and reopen. After every step the window's text
// is what a worksheet over a plain text buffer makes of the same edits and Enters. At every save
// undo back to the last open gives that text again and redo forward the latest; the reopened
// file reads as the text saved.
//
// NUMORA_SOAK_ACTIONS (5,000 by default) and NUMORA_SOAK_SEED replay a session; a failure
// names its seed and step and the actions before it, NUMORA_SOAK_VERBOSE=1 lists them all.
#include <QClipboard>
#include <QKeyEvent>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "shell/find/FindDialog.h"
#include "shell/find/FindSession.h"
#include "tests/shell/main_frame_support.h"
#include "worksheet/view/TypingHelp.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"

namespace numora::test {
namespace {

long EnvNumber(const char* name, long fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toLong();
}

// Resident memory in kB, where the system tells it.
long ResidentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : -1;
}

// Code points a user types: expression characters, Japanese, characters beyond the BMP, a tab.
const QStringList& TypedCharacters() {
    static const QStringList characters = [] {
        QStringList list;
        for (QChar c : QStringLiteral("0123456789+-*/^()=;.,@ abxyzpi>_/"))
            list << QString(c);
        for (QChar c : QStringLiteral("あいう計算値")) list << QString(c);
        list << QStringLiteral("\U0001D465") << QStringLiteral("\U0001F600")
             << QStringLiteral("\U0002000B") << QStringLiteral("\t");
        return list;
    }();
    return characters;
}

class EditorSoak : public MainFrameTest {
protected:
    void SetUp() override {
        Start();
        AddEndlessFunctions(frame_->Functions());
        shadow_ = std::make_unique<Worksheet>(shadowText_, frame_->Functions());
        shadow_->SetDigits(frame_->Sheet().Engine().GetDigits());
        shadow_->SetOptions(frame_->Sheet().Engine().GetOptions());
        shadowFind_ = std::make_unique<FindSession>(shadowText_, shadow_->Driver());
        segmentStart_ = View().Text();
        Resync();
        QObject::connect(&frame_->Waiting(), &CalculationWait::BusyChanged, frame_.get(),
                         [this](bool on) {
                             if (!on) return;
                             stopped_ = true;
                             Key(Qt::Key_Escape);
                         });
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    void Note(const std::string& action) {
        history_.push_back(std::to_string(step_) + ": " + action);
        if (verbose_) std::fprintf(stderr, "%s\n", history_.back().c_str());
        if (history_.size() > 12) history_.pop_front();
    }
    std::string Trail() const {
        std::ostringstream out;
        out << "seed " << seed_ << ", step " << step_ << "; last actions:";
        for (const std::string& line : history_) out << "\n  " << line;
        return out.str();
    }

    QString ShadowText() const { return QString::fromStdU16String(shadowText_.Text()); }
    void SyncSelection() {
        const QTextCursor cursor = View().textCursor();
        shadowText_.SetSelection(cursor.anchor(), cursor.position());
    }
    // For what the plain worksheet does not model (clipboard, undo): it takes the window's text.
    void Resync() {
        shadowText_.ResetText(View().Text().toStdU16String());
        SyncSelection();
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&View(), key, modifiers);
    }
    // A key whose edit the plain worksheet does not model.
    void UnmodelledKey(const std::string& name, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        Note(name);
        Key(key, modifiers);
        Resync();
    }
    // One code point as the keyboard delivers it, surrogate pairs in one event.
    void TypeCodePoint(const QString& text) {
        if (text == u'\t') {
            Key(Qt::Key_Tab);
            return;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(&View(), &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
        QApplication::sendEvent(&View(), &release);
    }
    void DeleteSelectionOr(std::int32_t from, std::int32_t to) {
        const TextSelection selection = shadowText_.GetSelection();
        if (selection.start != selection.end) {
            shadowText_.ReplaceSelection({});
        } else if (from >= 0 && to <= shadowText_.TextLength() && from < to) {
            shadowText_.ReplaceRange(from, to, {});
        }
    }
    // The length of the code point before / at `position`.
    std::int32_t Before(std::int32_t position) const {
        return position >= 2 && QChar::isLowSurrogate(shadowText_.CharAt(position - 1)) &&
                       QChar::isHighSurrogate(shadowText_.CharAt(position - 2))
                   ? 2
                   : 1;
    }
    std::int32_t At(std::int32_t position) const {
        return position + 1 < shadowText_.TextLength() &&
                       QChar::isHighSurrogate(shadowText_.CharAt(position)) &&
                       QChar::isLowSurrogate(shadowText_.CharAt(position + 1))
                   ? 2
                   : 1;
    }

    void TypeSome() {
        const int count = 1 + Pick(4);
        QString typed;
        for (int i = 0; i < count; ++i) typed += TypedCharacters()[Pick(TypedCharacters().size())];
        Note("type \"" + typed.toStdString() + "\"");
        for (int i = 0; i < typed.size(); ++i) {
            const int length = typed[i].isHighSurrogate() ? 2 : 1;
            const QString one = typed.mid(i, length);
            i += length - 1;
            // Tab takes the completion list's choice while it is open.
            const bool completing = one == u'\t' && CompletionShown();
            TypeCodePoint(one);
            if (completing) {
                Resync();
            } else {
                shadowText_.ReplaceSelection(one.toStdU16String());
            }
        }
    }
    bool CompletionShown() const { return frame_->Typing().PopupShown(); }

    void Enter() {
        static const Qt::KeyboardModifiers kinds[] = {Qt::NoModifier, Qt::NoModifier,
                                                      Qt::ShiftModifier, Qt::ControlModifier};
        const Qt::KeyboardModifiers modifiers = kinds[Pick(4)];
        Note(modifiers == Qt::NoModifier ? "Enter" : modifiers == Qt::ShiftModifier ? "Shift+Enter" : "Ctrl+Enter");
        Calculate(Qt::Key_Return, modifiers, [this, modifiers] {
            shadow_->PressEnter(modifiers == Qt::ShiftModifier, modifiers == Qt::ControlModifier);
        });
    }

    // Types the endless call at the caret and presses Enter, which Esc stops.
    void EndlessLineAndEsc() {
        Note("f40(1), Enter, Esc");
        for (QChar c : QStringLiteral("f40(1)")) {
            TypeCodePoint(QString(c));
            shadowText_.ReplaceSelection(QString(c).toStdU16String());
        }
        Calculate(Qt::Key_Return, Qt::NoModifier,
                  [this] { shadow_->PressEnter(false, false); });
    }

    // A key that calculates. Whatever runs long (the endless call, typed again or brought
    // back by undo) the user stops with Esc; the plain worksheet cannot stop at the same
    // place and takes the window's text instead.
    void Calculate(Qt::Key key, Qt::KeyboardModifiers modifiers, const std::function<void()>& shadow) {
        stopped_ = false;
        Key(key, modifiers);
        // The Esc key's release, kept while the line ran, is delivered from the event loop.
        QCoreApplication::processEvents();
        if (stopped_) {
            Resync();
        } else {
            shadow();
        }
    }

    void Move() {
        static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,    Qt::Key_Down,
                                       Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
        const Qt::Key key = keys[Pick(8)];
        Qt::KeyboardModifiers modifiers = Pick(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        if (Pick(5) == 0) modifiers |= Qt::ControlModifier;
        Note("move " + QKeySequence(key | modifiers).toString().toStdString());
        Key(key, modifiers);
    }

    void Clipboard() {
        static const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; const char* name; } keys[] = {
            {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},      {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
            {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},      {Qt::Key_Delete, Qt::ShiftModifier, "Shift+Del"},
            {Qt::Key_Insert, Qt::ControlModifier, "Ctrl+Ins"}, {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Ins"},
        };
        const auto& chosen = keys[Pick(6)];
        UnmodelledKey(chosen.name, chosen.key, chosen.modifiers);
    }

    void RecalculateAll() {
        Note("Ctrl+R");
        Calculate(Qt::Key_R, Qt::ControlModifier, [this] {
            RecalcOutcome outcome = RecalculateAfresh(shadowText_.Text(), shadow_->Engine());
            shadowText_.ResetText(std::move(outcome.text));
            SyncSelection();
        });
    }

    void ReplaceAll() {
        static const char16_t* whats[] = {u"1", u"a", u"+", u"x", u"あ"};
        static const char16_t* withs[] = {u"", u"2", u"b=", u"\U0001F600", u"()"};
        FindRequest request;
        request.what = QString::fromUtf16(whats[Pick(5)]);
        request.with = QString::fromUtf16(withs[Pick(5)]);
        request.options.matchCase = Pick(2) == 0;
        Note("Replace All \"" + request.what.toStdString() + "\" with \"" + request.with.toStdString() + "\"");
        frame_->Action(CommandId::EditReplace)->trigger();
        auto* dialog = frame_->findChild<FindDialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->SetRequest(request);
        emit dialog->ReplaceAllRequested();
        dialog->close();
        shadowFind_->Last() = request;
        shadowFind_->ReplaceAll();
    }

    // Undo back to the text of the last open, then redo as far again.
    void UndoToOpenAndBack() {
        const QString latest = View().Text();
        int undone = 0;
        while (View().document()->isUndoAvailable() && undone < 1000000) {
            Key(Qt::Key_Z, Qt::ControlModifier);
            ++undone;
        }
        ASSERT_EQ(View().Text(), segmentStart_) << "after " << undone << " undos; " << Trail();
        for (int i = 0; i < undone; ++i) Key(Qt::Key_Y, Qt::ControlModifier);
        ASSERT_EQ(View().Text(), latest) << "after " << undone << " redos; " << Trail();
    }

    void SaveAndReopen() {
        Note("save and reopen");
        UndoToOpenAndBack();
        const QString saved = View().Text();
        prompter_.files = {FilePath(QStringLiteral("soak.txt"))};
        frame_->Action(CommandId::FileSaveAs)->trigger();
        ASSERT_FALSE(frame_->Modified()) << Trail();
        prompter_.files = {FilePath(QStringLiteral("soak.txt"))};
        frame_->Action(CommandId::FileOpen)->trigger();
        ASSERT_EQ(View().Text(), saved) << "the reopened file; " << Trail();
        segmentStart_ = saved;
        prompter_.messages.clear();
    }

    void OneAction() {
        // Dialogs and the list pane take the focus; the user clicks back into the text.
        if (!View().hasFocus()) {
            QApplication::setActiveWindow(frame_.get());
            View().setFocus();
        }
        SyncSelection();
        const int roll = Pick(1000);
        if (View().document()->characterCount() > 6000) {
            Note("select all, delete");
            Key(Qt::Key_A, Qt::ControlModifier);
            Key(Qt::Key_Delete);
            Resync();
        } else if (roll < 330) {
            TypeSome();
        } else if (roll < 450) {
            Enter();
        } else if (roll < 550) {
            Note("Backspace");
            const std::int32_t caret = shadowText_.Caret();
            Key(Qt::Key_Backspace);
            DeleteSelectionOr(caret - Before(caret), caret);
        } else if (roll < 610) {
            Note("Delete");
            const std::int32_t caret = shadowText_.Caret();
            Key(Qt::Key_Delete);
            DeleteSelectionOr(caret, caret + At(caret));
        } else if (roll < 790) {
            Move();
        } else if (roll < 850) {
            Clipboard();
        } else if (roll < 910) {
            UnmodelledKey("Ctrl+Z", Qt::Key_Z, Qt::ControlModifier);
        } else if (roll < 950) {
            UnmodelledKey("Ctrl+Y", Qt::Key_Y, Qt::ControlModifier);
        } else if (roll < 962) {
            RecalculateAll();
        } else if (roll < 974) {
            ReplaceAll();
        } else if (roll < 984) {
            Note("list pane");
            frame_->Action(CommandId::ViewVariableList)->trigger();
        } else if (roll < 990) {
            EndlessLineAndEsc();
        } else {
            SaveAndReopen();
        }
        if (Pick(8) == 0) QCoreApplication::processEvents();  // previews, the list, the popup
    }

    std::mt19937 random_;
    unsigned seed_ = 0;
    const bool verbose_ = EnvNumber("NUMORA_SOAK_VERBOSE", 0) != 0;  // every action on stderr
    int step_ = 0;
    std::deque<std::string> history_;
    MemoryTextBuffer shadowText_;
    std::unique_ptr<Worksheet> shadow_;
    std::unique_ptr<FindSession> shadowFind_;
    QString segmentStart_;
    bool stopped_ = false;  // a calculation ran long and was stopped
};

TEST_F(EditorSoak, RandomSessionKeepsTextUndoAndFilesExact) {
    seed_ = static_cast<unsigned>(EnvNumber("NUMORA_SOAK_SEED", 20261208));
    const long actions = EnvNumber("NUMORA_SOAK_ACTIONS", 5000);
    random_.seed(seed_);
    long halfwayKb = 0;
    for (step_ = 1; step_ <= actions; ++step_) {
        OneAction();
        if (HasFatalFailure()) return;
        ASSERT_EQ(View().Text(), ShadowText()) << Trail();
        // Measured as at the end, right after a save and reopen, so that both halves compare
        // a text without undo history.
        if (step_ == actions / 2) {
            SaveAndReopen();
            halfwayKb = ResidentKb();
        }
    }
    SaveAndReopen();
    const long endKb = ResidentKb();
    std::printf("soak: seed %u, %ld actions, resident memory %ld kB after the first half, %ld kB "
                "after the second\n",
                seed_, actions, halfwayKb, endKb);
}

}  // namespace
}  // namespace numora::test
