#pragma once
// Edits one user function: name ( parameters ) = expression, and its explanation.
#include <QDialog>

#include "userfunc/dialogs/FunctionCheck.h"

class QLineEdit;

namespace numora {

class CFunctionEditDlg : public QDialog {
    Q_OBJECT
public:
    // `fields.FuncName` is the name the function has now (empty for a new or duplicated one).
    CFunctionEditDlg(const FunctionFields& fields, NameIsFree nameIsFree,
                     QWidget* parent = nullptr);

    // The accepted values (trimmed) after OK.
    const FunctionFields& Fields() const { return fields_; }

    QLineEdit* NameEdit() const { return name_; }
    QLineEdit* ParameterEdit() const { return parameter_; }
    QLineEdit* ExpressionEdit() const { return expression_; }
    QLineEdit* ExplainEdit() const { return explain_; }

public slots:
    // Runs the checks; on the first failure shows its message and stays open.
    void accept() override;

private:
    FunctionFields fields_;
    QString nameOnEntry_;
    NameIsFree nameIsFree_;
    QLineEdit* name_;
    QLineEdit* parameter_;
    QLineEdit* expression_;
    QLineEdit* explain_;
};

}  // namespace numora
