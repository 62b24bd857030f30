#pragma once
// The texts the worksheet view and the variable list pane show, kept together.
#include <QCoreApplication>
#include <QString>

namespace numora {

struct view_texts {
    Q_DECLARE_TR_FUNCTIONS(view_texts)
public:
    static QString kVariableListTitle() { return tr("変数リスト"); }
    static QString kCloseTip() { return tr("閉じる"); }
};

}  // namespace numora
