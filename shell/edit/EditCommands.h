#pragma once
// The worksheet's clipboard and undo commands: copy and cut of the whole current line, paste
// as whole lines above it, plain-text paste, select all, undo and redo, and the context menu.
// The keys are the actions' shortcuts; the worksheet takes them before any window shortcut,
// also while an action is disabled (Shift+Delete cuts the line with nothing selected), and
// reads Shift from the key itself. The menus and toolbars call the same commands.
#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <utility>

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

namespace numora {

class WorksheetEditor;
class Worksheet;

struct edittexts {
    Q_DECLARE_TR_FUNCTIONS(edittexts)
public:
    static QString Undo() { return tr("元に戻す(&U)"); }
    static QString Redo() { return tr("やり直す(&Y)"); }
    static QString Cut() { return tr("切り取り(&T)"); }
    static QString Copy() { return tr("コピー(&C)"); }
    static QString CopyResult() { return tr("結果をコピー(&E)"); }
    static QString Paste() { return tr("貼り付け(&P)"); }
    static QString SelectAll() { return tr("すべて選択(&A)"); }
};

}  // namespace numora

namespace numora {

class Worksheet;

struct EditActions {
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* selectAll = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* copyResult = nullptr;  // its handler is the window's: it reports a failure
};

class EditCommands : public QObject {
    Q_OBJECT
public:
    // `view` shows `sheet`.
    EditCommands(WorksheetEditor& view, Worksheet& sheet, const EditActions& actions,
                 QObject* parent = nullptr);

    // The selection, or with none the current line with its line break; the caret stays.
    void Copy();
    // The selection, or (`wholeLine`, Shift held) the current line whatever is selected.
    void Cut(bool wholeLine);
    // The clipboard's text as plain text at the selection, or (`asLines`, Shift held) at the
    // start of the current line, ending in a line break so that it forms whole lines above.
    void Paste(bool asLines);
    // The value of the result line the caret's line stands for (or, with none, of the last
    // result calculated), without grouping separators; false when there is none to copy.
    bool CopyResult();
    void SelectAll();
    void Undo();
    void Redo();

    bool CanCutOrCopy() const;
    bool CanPaste() const;
    bool CanUndo() const;
    bool CanRedo() const;
    // Keeps the actions' enabled states with the selection, the clipboard and the undo stack.
    void TrackEnabling();

    // The worksheet's context menu, its items enabled by the same rules.
    QMenu* CreateContextMenu(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(QKeyEvent* event, bool run);
    // [start, end) of the line holding the start of the selection, with its line break.
    std::pair<int, int> CurrentLine() const;
    void ReplaceRange(int from, int to, const QString& text);

    WorksheetEditor& view_;
    Worksheet& sheet_;
    EditActions actions_;
};

}  // namespace numora
