#pragma once
// The texts of the user function dialogs, kept together.
#include <QCoreApplication>
#include <QString>

namespace numora {

struct FunctionDlgTexts {
    Q_DECLARE_TR_FUNCTIONS(FunctionDlgTexts)
public:
    static QString kListTitle() { return tr("ユーザ関数設定"); }
    static QString kEditTitle() { return tr("ユーザ関数編集"); }

    static QString kAdd() { return tr("追加"); }
    static QString kDelete() { return tr("削除"); }
    static QString kDuplicate() { return tr("複製"); }
    static inline const QString kOk = QStringLiteral("OK");
    static QString kCancel() { return tr("キャンセル"); }

    static QString kNameLabel() { return tr("関数名"); }
    static inline const QString kOpenLabel = QStringLiteral("(");
    static QString kParameterLabel() { return tr("パラメータ"); }
    static inline const QString kCloseLabel = QStringLiteral(") =");
    static QString kExpressionLabel() { return tr("式"); }
    static QString kExplainLabel() { return tr("説明"); }

    static QString kConfirmTitle() { return tr("確認"); }
    static QString kConfirmDiscard() {
        return tr("データが変更されています。保存せずに閉じてもよろしいですか？");
    }
    static QString kWriteFailed() {
        return tr(
            "ユーザ関数ファイルの書き込みに失敗しました。\n"
            "変更はこの実行中だけ有効です。");
    }

    static QString kInputErrorTitle() { return tr("入力エラー"); }
    static QString kNameEmpty() { return tr("関数名を入力してください"); }
    static QString kParameterEmpty() { return tr("引数を入力してください"); }
    static QString kExpressionEmpty() { return tr("式を入力してください"); }
    static QString kNameTaken() { return tr("同じ名前の関数が既にあります"); }
    static inline const QString kForbiddenList = QStringLiteral("+ - * / % ^ ( )");
    static QString kNameForbiddenFormat() {
        return tr("関数名に使用できない文字があります : %1 Space");
    }
    static QString kNameStartsWithDigit() { return tr("関数名の先頭は数字を使用できません"); }
    static QString kNameNotHalfWidth() { return tr("関数名は半角英数のみです"); }
    static QString kParameterForbiddenFormat() {
        return tr("パラメータに使用できない文字があります : %1 Space");
    }
    static QString kParameterStartsWithDigit() {
        return tr("パラメータ文字の先頭に数字を使用できません");
    }
    static QString kParameterNotHalfWidth() { return tr("パラメータは半角英数のみです"); }
};

}  // namespace numora
