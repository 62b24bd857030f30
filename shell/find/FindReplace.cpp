#include "shell/find/FindReplace.h"

#include <QApplication>
#include <QPlainTextEdit>

#include "shell/find/FindTexts.h"
#include "ui/Prompter.h"
#include "worksheet/TextBuffer.h"

namespace numora {

FindReplace::FindReplace(QWidget* editor, TextBuffer& buffer, WorksheetDriver& driver,
                         QObject* parent)
    : QObject(parent), editor_(editor), buffer_(buffer), session_(buffer, driver) {}

void FindReplace::OpenFind() { Open(FindDialog::Kind::Find); }

void FindReplace::OpenReplace() { Open(FindDialog::Kind::Replace); }

void FindReplace::Open(FindDialog::Kind kind) {
    if (dialog_ && dialog_->DialogKind() == kind) {
        dialog_->show();
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    if (dialog_) {
        dialog_->close();
        dialog_ = nullptr;
    }
    FindRequest start = session_.Last();
    const TextSelection selection = buffer_.GetSelection();
    const std::u16string selected = buffer_.TextRange(selection.start, selection.end);
    if (!selected.empty() && selected.find(u'\n') == std::u16string::npos) {
        start.what = QString::fromStdU16String(selected);
    }
    session_.BeginSequence();
    dialog_ = new FindDialog(kind, start, editor_ ? editor_->window() : nullptr);
    connect(dialog_, &FindDialog::FindNextRequested, this, &FindReplace::OnDialogFindNext);
    connect(dialog_, &FindDialog::ReplaceRequested, this, &FindReplace::OnDialogReplace);
    connect(dialog_, &FindDialog::ReplaceAllRequested, this, &FindReplace::OnDialogReplaceAll);
    // The keyboard goes to the search text at once, as a user types right after Ctrl+F.
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void FindReplace::FindNext(bool upwards) {
    FindRequest& last = session_.Last();
    last.down = !upwards;
    if (dialog_) {
        FindRequest shown = dialog_->Request();
        shown.down = last.down;
        dialog_->SetRequest(shown);
    }
    if (last.what.isEmpty()) {
        OpenFind();
        return;
    }
    Found(session_.FindNext());
}

void FindReplace::TakeDialogRequest() {
    const FindRequest request = dialog_->Request();
    FindRequest& last = session_.Last();
    last.what = request.what;
    last.options = request.options;
    last.down = request.down;
    if (dialog_->DialogKind() == FindDialog::Kind::Replace) last.with = request.with;
}

void FindReplace::Found(bool found) {
    if (found) {
        if (auto* edit = qobject_cast<QPlainTextEdit*>(editor_)) edit->ensureCursorVisible();
        return;
    }
    CurrentPrompter().Message(MessageOwner(), QMessageBox::Information, findtexts::FindTitle(),
                              findtexts::NotFound(session_.Last().what), QMessageBox::Ok,
                              QMessageBox::Ok);
}

void FindReplace::OnDialogFindNext() {
    TakeDialogRequest();
    Found(session_.FindNext());
}

void FindReplace::OnDialogReplace() {
    TakeDialogRequest();
    Found(session_.ReplaceAndFindNext());
}

void FindReplace::OnDialogReplaceAll() {
    TakeDialogRequest();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int count = session_.ReplaceAll();
    QApplication::restoreOverrideCursor();
    if (count == 0) {
        Found(false);
        return;
    }
    const FindRequest& last = session_.Last();
    CurrentPrompter().Message(MessageOwner(), QMessageBox::Information, findtexts::ReplaceTitle(),
                              findtexts::ReplacedAll(count, last.what, last.with), QMessageBox::Ok,
                              QMessageBox::Ok);
}

QWidget* FindReplace::MessageOwner() const {
    return dialog_ ? static_cast<QWidget*>(dialog_) : editor_;
}

}  // namespace numora
