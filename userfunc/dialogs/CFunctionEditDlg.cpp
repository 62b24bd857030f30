#include "userfunc/dialogs/CFunctionEditDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Prompter.h"
#include "userfunc/dialogs/FunctionDlgTexts.h"

namespace numora {

namespace {

QLineEdit* MakeEdit(const QString& text, bool halfWidthOnly, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    if (halfWidthOnly) {
        // Names take half-width text only: no input method composition here.
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        edit->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    }
    return edit;
}

}  // namespace

CFunctionEditDlg::CFunctionEditDlg(const FunctionFields& fields, NameIsFree nameIsFree,
                                   QWidget* parent)
    : QDialog(parent),
      fields_(fields),
      nameOnEntry_(fields.FuncName),
      nameIsFree_(std::move(nameIsFree)) {
    using T = FunctionDlgTexts;
    setWindowTitle(T::kEditTitle());
    name_ = MakeEdit(fields.FuncName, true, this);
    parameter_ = MakeEdit(fields.Parameter, true, this);
    expression_ = MakeEdit(fields.Expression, false, this);
    explain_ = MakeEdit(fields.Explain, false, this);

    // Reads as the declaration: name ( parameters ) = expression.
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(T::kNameLabel(), this), 0, 0);
    grid->addWidget(new QLabel(T::kParameterLabel(), this), 0, 2);
    grid->addWidget(new QLabel(T::kExpressionLabel(), this), 0, 4);
    grid->addWidget(name_, 1, 0);
    grid->addWidget(new QLabel(T::kOpenLabel, this), 1, 1);
    grid->addWidget(parameter_, 1, 2);
    grid->addWidget(new QLabel(T::kCloseLabel, this), 1, 3);
    grid->addWidget(expression_, 1, 4);
    grid->addWidget(new QLabel(T::kExplainLabel(), this), 2, 0);
    grid->addWidget(explain_, 3, 0, 1, 5);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 3);

    auto* ok = new QPushButton(T::kOk, this);
    auto* cancel = new QPushButton(T::kCancel(), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CFunctionEditDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CFunctionEditDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(600, sizeHint().height());
}

void CFunctionEditDlg::accept() {
    FunctionFields entered{name_->text(), parameter_->text(), expression_->text(),
                           explain_->text()};
    const QString message = CheckFunctionFields(entered, nameOnEntry_, nameIsFree_);
    if (!message.isEmpty()) {
        CurrentPrompter().Message(this, QMessageBox::Critical, FunctionDlgTexts::kInputErrorTitle(),
                                  message, QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    fields_ = entered;
    QDialog::accept();
}

}  // namespace numora
