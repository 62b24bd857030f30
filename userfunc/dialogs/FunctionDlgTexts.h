#pragma once
// The texts of the user function dialogs, kept together.
#include <QString>

namespace numora::FunctionDlgTexts {

inline const QString kListTitle = QStringLiteral("ユーザ関数設定");
inline const QString kEditTitle = QStringLiteral("ユーザ関数編集");

inline const QString kAdd = QStringLiteral("追加");
inline const QString kDelete = QStringLiteral("削除");
inline const QString kDuplicate = QStringLiteral("複製");
inline const QString kOk = QStringLiteral("OK");
inline const QString kCancel = QStringLiteral("キャンセル");

inline const QString kNameLabel = QStringLiteral("関数名");
inline const QString kOpenLabel = QStringLiteral("(");
inline const QString kParameterLabel = QStringLiteral("パラメータ");
inline const QString kCloseLabel = QStringLiteral(") =");
inline const QString kExpressionLabel = QStringLiteral("式");
inline const QString kExplainLabel = QStringLiteral("説明");

inline const QString kConfirmTitle = QStringLiteral("確認");
inline const QString kConfirmDiscard =
    QStringLiteral("データが変更されています。保存せずに閉じてもよろしいですか？");
inline const QString kWriteFailed = QStringLiteral(
    "ユーザ関数ファイルの書き込みに失敗しました。\n"
    "変更はこの実行中だけ有効です。");

inline const QString kInputErrorTitle = QStringLiteral("入力エラー");
inline const QString kNameEmpty = QStringLiteral("関数名を入力してください");
inline const QString kParameterEmpty = QStringLiteral("引数を入力してください");
inline const QString kExpressionEmpty = QStringLiteral("式を入力してください");
inline const QString kNameTaken = QStringLiteral("同じ名前の関数が既にあります");
inline const QString kForbiddenList = QStringLiteral("+ - * / % ^ ( )");
inline const QString kNameForbiddenFormat =
    QStringLiteral("関数名に使用できない文字があります : %1 Space");
inline const QString kNameStartsWithDigit = QStringLiteral("関数名の先頭は数字を使用できません");
inline const QString kNameNotHalfWidth = QStringLiteral("関数名は半角英数のみです");
inline const QString kParameterForbiddenFormat =
    QStringLiteral("パラメータに使用できない文字があります : %1 Space");
inline const QString kParameterStartsWithDigit =
    QStringLiteral("パラメータ文字の先頭に数字を使用できません");
inline const QString kParameterNotHalfWidth = QStringLiteral("パラメータは半角英数のみです");

}  // namespace numora::FunctionDlgTexts
