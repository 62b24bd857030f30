#pragma once
// Find, Find next (F3, Shift+F3), Replace and Replace All on the worksheet: the dialogs (at
// most one open, modeless) and the messages around FindSession.
#include <QObject>
#include <QPointer>

#include "shell/find/FindDialog.h"
#include "shell/find/FindSession.h"

class QWidget;

namespace numora {

class FindReplace : public QObject {
    Q_OBJECT
public:
    // `editor` is the worksheet widget: it owns the messages while no dialog is open and is
    // scrolled to each match.
    FindReplace(QWidget* editor, TextBuffer& buffer, WorksheetDriver& driver,
                QObject* parent = nullptr);

    FindSession& Session() { return session_; }
    // The open dialog, or nullptr.
    FindDialog* Dialog() const { return dialog_; }

    void OpenFind();
    void OpenReplace();
    // F3 (downwards) and Shift+F3 (upwards); with no search text yet, opens the find dialog.
    void FindNext(bool upwards);

private:
    void Open(FindDialog::Kind kind);
    void TakeDialogRequest();
    void Found(bool found);
    void OnDialogFindNext();
    void OnDialogReplace();
    void OnDialogReplaceAll();
    QWidget* MessageOwner() const;

    QWidget* editor_;
    TextBuffer& buffer_;
    FindSession session_;
    QPointer<FindDialog> dialog_;
};

}  // namespace numora
