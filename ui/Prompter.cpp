#include "ui/Prompter.h"

#include <QAbstractPrintDialog>
#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace numora {

namespace {

Prompter* installed = nullptr;

void SetUpFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.folder);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
}

QString ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

void OfferNoFontEffects(QFontDialog& dialog) {
    // Only Qt's own dialog can be trimmed; the worksheet has no use for underline or
    // strike-out, which sit in one group box of check boxes.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QGroupBox* effects = nullptr;
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        box->setChecked(false);
        if (auto* group = qobject_cast<QGroupBox*>(box->parentWidget())) effects = group;
    }
    if (effects == nullptr) return;
    // The sample beside the effects took its height from them; it keeps it without them.
    const int height = effects->sizeHint().height();
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (group != effects) group->setMinimumHeight(height);
    }
    effects->hide();
}

QMessageBox::StandardButton DialogPrompter::Message(QWidget* parent, QMessageBox::Icon icon,
                                                    const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString DialogPrompter::OpenFileName(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    SetUpFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist yet is allowed after a question; its load then reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString path = ChosenFile(dialog);
    if (path.isEmpty() || QFileInfo::exists(path)) return path;
    const auto answer =
        Message(parent, QMessageBox::Question, dialog.windowTitle(),
                path + QCoreApplication::translate("numora::Prompter",
                                                   "\nこのファイルは存在しません。\n作成しますか?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes ? path : QString();
}

QString DialogPrompter::SaveFileName(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    SetUpFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return ChosenFile(dialog);
}

bool DialogPrompter::ChooseFont(QWidget* parent, QFont& font) {
    QFontDialog dialog(font, parent);
    OfferNoFontEffects(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    font = dialog.selectedFont();
    font.setUnderline(false);
    font.setStrikeOut(false);
    return true;
}

bool DialogPrompter::ChooseColor(QWidget* parent, QColor& color) {
    const QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid()) return false;
    color = chosen;
    return true;
}

bool DialogPrompter::SetUpPage(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool DialogPrompter::SetUpPrint(QWidget* parent, QPrinter& printer, int pageCount) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setMinMax(1, std::max(1, pageCount));
    return dialog.exec() == QDialog::Accepted;
}

Prompter& CurrentPrompter() {
    static DialogPrompter real;
    return installed ? *installed : real;
}

void SetPrompter(Prompter* prompter) { installed = prompter; }

void ShowInformation(QWidget* parent, const QString& title, const QString& text) {
    CurrentPrompter().Message(parent, QMessageBox::Information, title, text, QMessageBox::Ok,
                              QMessageBox::Ok);
}

void ShowError(QWidget* parent, const QString& title, const QString& text) {
    CurrentPrompter().Message(parent, QMessageBox::Critical, title, text, QMessageBox::Ok,
                              QMessageBox::Ok);
}

}  // namespace numora
