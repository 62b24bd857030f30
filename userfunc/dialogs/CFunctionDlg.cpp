#include "userfunc/dialogs/CFunctionDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Builtins.h"
#include "ui/Prompter.h"
#include "ui/QtText.h"
#include "userfunc/UserFunctionStore.h"
#include "userfunc/dialogs/FunctionDlgTexts.h"
#include "userfunc/dialogs/FunctionListView.h"

namespace numora {

namespace {

enum Column { kName, kParameter, kExpression, kExplain, kColumnCount };

FunctionFields RowFields(const QStringList& texts) {
    return {texts.value(kName), texts.value(kParameter), texts.value(kExpression),
            texts.value(kExplain)};
}

}  // namespace

CFunctionDlg::CFunctionDlg(UserFunctionCatalogue& catalogue, std::filesystem::path folder,
                           const QFont& listFont, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), folder_(std::move(folder)) {
    using T = FunctionDlgTexts;
    setWindowTitle(T::kListTitle());
    setSizeGripEnabled(true);
    setMinimumSize(450, 280);

    list_ = new FunctionListView(this);
    list_->setFont(listFont);
    list_->setHeaderLabels({"FuncName", "Parameter", "Expression", "Explain"});
    const int widths[kColumnCount] = {95, 80, 140, 310};
    for (int column = 0; column < kColumnCount; ++column) {
        list_->setColumnWidth(column, widths[column]);
    }
    for (const auto& [key, function] : catalogue_.Entries()) {
        InsertRow(list_->topLevelItemCount(),
                  {ToQString(function.FuncName), ToQString(JoinParameters(function.Parameter)),
                   ToQString(function.Expression), ToQString(function.Explain)});
    }

    auto* add = new QPushButton(T::kAdd(), this);
    delete_ = new QPushButton(T::kDelete(), this);
    duplicate_ = new QPushButton(T::kDuplicate(), this);
    auto* ok = new QPushButton(T::kOk, this);
    auto* cancel = new QPushButton(T::kCancel(), this);
    ok->setDefault(true);
    // The list takes every extra pixel; the buttons keep to the bottom edge, OK and Cancel
    // to the bottom-right corner.
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, delete_, duplicate_}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &CFunctionDlg::Add);
    connect(delete_, &QPushButton::clicked, this, &CFunctionDlg::Delete);
    connect(duplicate_, &QPushButton::clicked, this, &CFunctionDlg::Duplicate);
    connect(ok, &QPushButton::clicked, this, &CFunctionDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CFunctionDlg::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { Edit(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CFunctionDlg::UpdateButtons);
    connect(list_, &FunctionListView::RowMoved, this, [this] { moved_ = true; });
    UpdateButtons();
    resize(660, 340);
}

bool CFunctionDlg::NameIsFree(const QString& name) const {
    const QString lower = AsciiLower(name);
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        if (AsciiLower(list_->topLevelItem(row)->text(kName)) == lower) return false;
    }
    return FindBuiltin(lower.toStdU16String()) == nullptr;
}

int CFunctionDlg::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
}

void CFunctionDlg::UpdateButtons() {
    const bool selected = SelectedRow() >= 0;
    delete_->setEnabled(selected);
    duplicate_->setEnabled(selected);
}

QTreeWidgetItem* CFunctionDlg::InsertRow(int row, const FunctionFields& fields) {
    auto* item = new QTreeWidgetItem(
        QStringList{fields.FuncName, fields.Parameter, fields.Expression, fields.Explain});
    list_->insertTopLevelItem(row, item);
    return item;
}

bool CFunctionDlg::RunEditor(FunctionFields& fields) {
    CFunctionEditDlg editor(
        fields, [this](const QString& name) { return NameIsFree(name); }, this);
    const bool ok = editor_ ? editor_(editor) : editor.exec() == QDialog::Accepted;
    if (ok) fields = editor.Fields();
    return ok;
}

void CFunctionDlg::Add() {
    FunctionFields fields;
    if (!RunEditor(fields)) return;
    // The user sees the row just made, also below a long list.
    list_->scrollToItem(InsertRow(list_->topLevelItemCount(), fields));
    modified_ = true;
}

void CFunctionDlg::Edit() {
    const int row = SelectedRow();
    if (row < 0) return;
    FunctionFields fields = RowFields(list_->RowTexts(row));
    if (!RunEditor(fields)) return;
    QTreeWidgetItem* item = list_->topLevelItem(row);
    item->setText(kName, fields.FuncName);
    item->setText(kParameter, fields.Parameter);
    item->setText(kExpression, fields.Expression);
    item->setText(kExplain, fields.Explain);
    modified_ = true;
}

void CFunctionDlg::Duplicate() {
    const int row = SelectedRow();
    if (row < 0) return;
    FunctionFields fields = RowFields(list_->RowTexts(row));
    fields.FuncName.clear();
    if (!RunEditor(fields)) return;
    list_->scrollToItem(InsertRow(row + 1, fields));
    modified_ = true;
}

void CFunctionDlg::Delete() {
    const int row = SelectedRow();
    if (row < 0) return;
    delete list_->takeTopLevelItem(row);
    list_->clearSelection();
    if (QTreeWidgetItem* next = list_->topLevelItem(row)) {
        list_->setCurrentItem(next);
        list_->scrollToItem(next);
        list_->setFocus();
    }
    modified_ = true;
    UpdateButtons();
}

void CFunctionDlg::accept() {
    std::vector<UserFunctionRow> rows;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const FunctionFields f = RowFields(list_->RowTexts(row));
        rows.push_back({f.FuncName.toStdU16String(), f.Parameter.toStdU16String(),
                        f.Expression.toStdU16String(), f.Explain.toStdU16String()});
    }
    // The catalogue takes the rows either way; a failed write only loses them at exit.
    if (!StoreUserFunctions(catalogue_, folder_, rows)) {
        ShowError(this, FunctionDlgTexts::kListTitle(), FunctionDlgTexts::kWriteFailed());
    }
    QDialog::accept();
}

void CFunctionDlg::reject() {
    if (Modified()) {
        const auto answer = CurrentPrompter().Message(
            this, QMessageBox::Information, FunctionDlgTexts::kConfirmTitle(),
            FunctionDlgTexts::kConfirmDiscard(), QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No);
        if (answer != QMessageBox::Yes) return;
    }
    QDialog::reject();
}

}  // namespace numora
