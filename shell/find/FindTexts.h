#pragma once
// The texts of find and replace, in one place.
#include <QCoreApplication>
#include <QString>

namespace numora {

struct findtexts {
    Q_DECLARE_TR_FUNCTIONS(findtexts)
public:
    // %n count, %1 search text, %2 replacement; English says "occurrence(s)" by the count.
    static QString ReplacedAll(int count, const QString& what, const QString& with) {
        return tr("%n 個の \"%1\" を \"%2\" に置換しました。", nullptr, count).arg(what, with);
    }
    static QString ReplaceTitle() { return tr("文字列置換"); }
    static QString NotFound(const QString& what) {
        return tr("文字列 \"%1\" は見つかりませんでした。").arg(what);
    }
    static QString FindTitle() { return tr("文字列検索"); }

    // The dialogs.
    static QString FindDialogTitle() { return tr("検索"); }
    static QString ReplaceDialogTitle() { return tr("置換"); }
    static QString WhatLabel() { return tr("検索する文字列(&N):"); }
    static QString WithLabel() { return tr("置換後の文字列(&P):"); }
    static QString WholeWord() { return tr("単語単位で探す(&W)"); }
    static QString MatchCase() { return tr("大文字と小文字を区別する(&C)"); }
    static QString Direction() { return tr("検索する方向"); }
    static QString Up() { return tr("上へ(&U)"); }
    static QString Down() { return tr("下へ(&D)"); }
    static QString FindNextButton() { return tr("次を検索(&F)"); }
    static QString ReplaceButton() { return tr("置換して次に(&R)"); }
    static QString ReplaceAllButton() { return tr("すべて置換(&A)"); }
    static QString CancelButton() { return tr("キャンセル"); }
};

}  // namespace numora
