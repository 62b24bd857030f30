// The Edit menu's commands: clipboard and undo on the worksheet, find and replace.
#include <QApplication>
#include <QGuiApplication>

#include "shell/CMainFrame.h"
#include "shell/ShellHandlers.h"
#include "shell/ShellTexts.h"
#include "shell/StatusBarPanes.h"
#include "shell/edit/EditCommands.h"
#include "shell/find/FindReplace.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

bool ShiftHeld() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier); }

// The edit commands act on the worksheet only while it has the focus; another focused editor
// (a field of the variable list, say) gets its own command of that name, if it has one.
template <class Run>
auto OnWorksheet(WorksheetEditor& view, const char* ownSlot, Run run) {
    return [&view, ownSlot, run] {
        QWidget* focus = QApplication::focusWidget();
        if (focus == &view) {
            run();
        } else if (focus && ownSlot &&
                   focus->metaObject()->indexOfSlot(QByteArray(ownSlot) + "()") >= 0) {
            QMetaObject::invokeMethod(focus, ownSlot);
        }
    };
}

}  // namespace

void AttachEditCommands(CMainFrame& frame) {
    using Id = CommandId;
    WorksheetEditor& view = frame.View();
    Worksheet& sheet = frame.Sheet();
    auto* edit = new EditCommands(
        view, sheet,
        {frame.Action(Id::EditCut), frame.Action(Id::EditCopy), frame.Action(Id::EditPaste),
         frame.Action(Id::EditSelectAll), frame.Action(Id::EditUndo), frame.Action(Id::EditRedo),
         frame.Action(Id::EditCopyResult)},
        &frame);
    auto* find = new FindReplace(&view, view, sheet.Driver(), &frame);

    frame.Attach(Id::EditCopy, OnWorksheet(view, "copy", [edit] { edit->Copy(); }));
    frame.Attach(Id::EditCut, OnWorksheet(view, "cut", [edit] { edit->Cut(ShiftHeld()); }));
    frame.Attach(Id::EditPaste, OnWorksheet(view, "paste", [edit] { edit->Paste(ShiftHeld()); }));
    frame.Attach(Id::EditCopyResult, OnWorksheet(view, nullptr, [edit, &frame] {
                     if (!edit->CopyResult()) frame.Panes().ShowNotice(texts::kNoResultToCopy());
                 }));
    frame.Attach(Id::EditSelectAll, OnWorksheet(view, "selectAll", [edit] { edit->SelectAll(); }));
    frame.Attach(Id::EditUndo, OnWorksheet(view, "undo", [edit] { edit->Undo(); }));
    frame.Attach(Id::EditRedo, OnWorksheet(view, "redo", [edit] { edit->Redo(); }));
    frame.Attach(Id::EditFind, OnWorksheet(view, nullptr, [find] { find->OpenFind(); }));
    frame.Attach(Id::EditReplace, OnWorksheet(view, nullptr, [find] { find->OpenReplace(); }));
    frame.Attach(Id::EditRepeat,
                 OnWorksheet(view, nullptr, [find] { find->FindNext(ShiftHeld()); }));
    edit->TrackEnabling();
}

}  // namespace numora
