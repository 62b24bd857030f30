#include "shell/edit/EditCommands.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <functional>

#include "ui/AfterFirstPaint.h"
#include "ui/QtText.h"
#include "worksheet/LineText.h"
#include "worksheet/ResultCopy.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

QString PlainText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

EditCommands::EditCommands(WorksheetEditor& view, Worksheet& sheet, const EditActions& actions,
                           QObject* parent)
    : QObject(parent), view_(view), sheet_(sheet), actions_(actions) {
    view_.installEventFilter(this);
    view_.viewport()->installEventFilter(this);
}

std::pair<int, int> EditCommands::CurrentLine() const {
    const QTextBlock block = view_.document()->findBlock(view_.GetSelection().start);
    const int start = block.position();
    return {start, std::min(start + block.length(), int(view_.TextLength()))};
}

void EditCommands::ReplaceRange(int from, int to, const QString& text) {
    WorksheetDriver& driver = sheet_.Driver();
    driver.BeginEditGroup();
    view_.SetSelection(from, to);
    view_.ReplaceSelection(ToU16View(text));
    driver.EndEditGroup();
    view_.ensureCursorVisible();
}

void EditCommands::Copy() {
    const TextSelection selection = view_.GetSelection();
    const auto [start, end] =
        selection.end > selection.start ? std::pair(selection.start, selection.end) : CurrentLine();
    QGuiApplication::clipboard()->setText(QString::fromStdU16String(view_.TextRange(start, end)));
}

void EditCommands::Cut(bool wholeLine) {
    if (sheet_.Calculating()) return;
    const TextSelection selection = view_.GetSelection();
    const auto [start, end] = wholeLine ? CurrentLine() : std::pair(selection.start, selection.end);
    if (end <= start) return;
    QGuiApplication::clipboard()->setText(QString::fromStdU16String(view_.TextRange(start, end)));
    ReplaceRange(start, end, {});
}

void EditCommands::Paste(bool asLines) {
    if (sheet_.Calculating()) return;
    QString text = PlainText(QGuiApplication::clipboard()->text());
    if (text.isEmpty()) return;
    const TextSelection selection = view_.GetSelection();
    if (!asLines) {
        ReplaceRange(selection.start, selection.end, text);
        return;
    }
    if (!text.endsWith(u'\n')) text += u'\n';
    const int lineStart = CurrentLine().first;
    ReplaceRange(lineStart, lineStart, text);
}

bool EditCommands::CopyResult() {
    const bool insertMode = IsInsertMode(sheet_.Driver().EnterComputesResultLine(), false);
    const std::int32_t line = ResultLineFor(view_, view_.textCursor().blockNumber(), insertMode);
    std::optional<std::u16string> value;
    if (line >= 0) {
        value = PlainValueOf(ToU16View(view_.document()->findBlockByNumber(line).text()).substr(1));
    } else if (!sheet_.Calculating()) {
        value = PlainValueOf(sheet_.Engine().GetValueText());
    }
    if (!value) return false;
    QGuiApplication::clipboard()->setText(QString::fromStdU16String(*value));
    return true;
}

void EditCommands::SelectAll() { view_.selectAll(); }

void EditCommands::Undo() {
    if (!sheet_.Calculating()) view_.undo();
}

void EditCommands::Redo() {
    if (!sheet_.Calculating()) view_.redo();
}

bool EditCommands::CanCutOrCopy() const { return view_.textCursor().hasSelection(); }

bool EditCommands::CanPaste() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool EditCommands::CanUndo() const { return view_.document()->isUndoAvailable(); }

bool EditCommands::CanRedo() const { return view_.document()->isRedoAvailable(); }

void EditCommands::TrackEnabling() {
    QAction* const cut = actions_.cut;
    QAction* const copy = actions_.copy;
    QAction* const paste = actions_.paste;
    QAction* const undo = actions_.undo;
    QAction* const redo = actions_.redo;
    const auto selection = [cut, copy](bool any) {
        if (cut) cut->setEnabled(any);
        if (copy) copy->setEnabled(any);
    };
    connect(&view_, &QPlainTextEdit::copyAvailable, this, selection);
    selection(CanCutOrCopy());
    if (paste) {
        const auto check = [this, paste] { paste->setEnabled(CanPaste()); };
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, paste, check);
        // Asking the desktop's clipboard what it holds is a round trip to the window system,
        // and to the program that owns the clipboard, before the window could show. While the
        // worksheet has not been painted yet, Paste waits, off, for its first paint.
        if (view_.isVisible()) {
            check();
        } else {
            paste->setEnabled(false);
            new AfterFirstPaint(*view_.viewport(), check);
        }
    }
    if (undo) {
        connect(view_.document(), &QTextDocument::undoAvailable, undo, &QAction::setEnabled);
        undo->setEnabled(CanUndo());
    }
    if (redo) {
        connect(view_.document(), &QTextDocument::redoAvailable, redo, &QAction::setEnabled);
        redo->setEnabled(CanRedo());
    }
}

QMenu* EditCommands::CreateContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    const auto add = [this, menu](const QString& text, bool enabled, auto run) {
        QAction* action = menu->addAction(text, this, run);
        action->setEnabled(enabled);
    };
    add(edittexts::Undo(), CanUndo(), [this] { Undo(); });
    add(edittexts::Redo(), CanRedo(), [this] { Redo(); });
    menu->addSeparator();
    // A menu click reads Shift as the keys do.
    const auto shift = [] {
        return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    };
    add(edittexts::Cut(), CanCutOrCopy(), [this, shift] { Cut(shift()); });
    add(edittexts::Copy(), CanCutOrCopy(), [this] { Copy(); });
    if (QAction* copyResult = actions_.copyResult) {
        add(edittexts::CopyResult(), copyResult->isEnabled(),
            [copyResult] { copyResult->trigger(); });
    }
    add(edittexts::Paste(), CanPaste(), [this, shift] { Paste(shift()); });
    add(edittexts::SelectAll(), true, [this] { SelectAll(); });
    return menu;
}

bool EditCommands::HandleKey(QKeyEvent* event, bool run) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const Qt::Key code = Qt::Key(event->key());
    const QKeySequence key(QKeyCombination(mods, code));
    const bool shift = mods.testFlag(Qt::ShiftModifier);
    // The clipboard commands read Shift as "whole lines", so their keys count with Shift too.
    const QKeySequence unshifted(QKeyCombination(mods & ~Qt::ShiftModifier, code));
    const auto bound = [&key](const QAction* action) {
        return action != nullptr && action->shortcuts().contains(key);
    };
    const auto boundShifted = [&](const QAction* action) {
        return bound(action) ||
               (shift && action != nullptr && action->shortcuts().contains(unshifted));
    };
    std::function<void()> command;
    // Before Copy, which would take Ctrl+Shift+C as a copy with Shift held.
    if (bound(actions_.copyResult)) {
        command = [this] { actions_.copyResult->trigger(); };
    } else if (boundShifted(actions_.cut)) {
        command = [this, shift] { Cut(shift); };
    } else if (boundShifted(actions_.copy)) {
        command = [this] { Copy(); };
    } else if (boundShifted(actions_.paste)) {
        command = [this, shift] { Paste(shift); };
    } else if (bound(actions_.selectAll)) {
        command = [this] { SelectAll(); };
    } else if (bound(actions_.undo)) {
        command = [this] { Undo(); };
    } else if (bound(actions_.redo)) {
        command = [this] { Redo(); };
    }
    if (!command) return false;
    if (run) command();
    return true;
}

bool EditCommands::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // The worksheet takes its edit keys before any window shortcut does.
            if (watched == &view_ && HandleKey(static_cast<QKeyEvent*>(event), false)) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (watched == &view_ && HandleKey(static_cast<QKeyEvent*>(event), true)) return true;
            break;
        case QEvent::ContextMenu: {
            auto* request = static_cast<QContextMenuEvent*>(event);
            const QPoint at = request->reason() == QContextMenuEvent::Keyboard
                                  ? view_.viewport()->mapToGlobal(QPoint(0, 0))
                                  : request->globalPos();
            QMenu* menu = CreateContextMenu(view_.parentWidget() ? view_.parentWidget() : &view_);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(at);
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace numora
