#pragma once
// The texts of find and replace, in one place.
#include <QString>

namespace numora::findtexts {

// %1 count, %2 search text, %3 replacement.
inline QString ReplacedAll(int count, const QString& what, const QString& with) {
    return QStringLiteral("%1 個の \"%2\" を \"%3\" に置換しました。").arg(count).arg(what, with);
}
inline const QString ReplaceTitle = QStringLiteral("文字列置換");
inline QString NotFound(const QString& what) {
    return QStringLiteral("文字列 \"%1\" は見つかりませんでした。").arg(what);
}
inline const QString FindTitle = QStringLiteral("文字列検索");

// The dialogs.
inline const QString FindDialogTitle = QStringLiteral("検索");
inline const QString ReplaceDialogTitle = QStringLiteral("置換");
inline const QString WhatLabel = QStringLiteral("検索する文字列(&N):");
inline const QString WithLabel = QStringLiteral("置換後の文字列(&P):");
inline const QString WholeWord = QStringLiteral("単語単位で探す(&W)");
inline const QString MatchCase = QStringLiteral("大文字と小文字を区別する(&C)");
inline const QString Direction = QStringLiteral("検索する方向");
inline const QString Up = QStringLiteral("上へ(&U)");
inline const QString Down = QStringLiteral("下へ(&D)");
inline const QString FindNextButton = QStringLiteral("次を検索(&F)");
inline const QString ReplaceButton = QStringLiteral("置換して次に(&R)");
inline const QString ReplaceAllButton = QStringLiteral("すべて置換(&A)");
inline const QString CancelButton = QStringLiteral("キャンセル");

}  // namespace numora::findtexts
