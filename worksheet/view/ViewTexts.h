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

    // Names a screen reader reads.
    static QString kWorksheetName() { return tr("ワークシート"); }
    static QString kCloseListName() { return tr("変数リストを閉じる"); }
    static QString kCompletionName() { return tr("名前の候補"); }
    // The argument tip in words: argument number, argument count, argument name.
    static QString kArgumentSpoken() { return tr("引数 %1/%2: %3"); }
};

}  // namespace numora
