#pragma once
// The main window's own texts, kept together; each is looked up in the interface language when
// it is used. Command texts live in CommandTable.cpp.
#include <QCoreApplication>
#include <QString>

namespace numora {

struct texts {
    Q_DECLARE_TR_FUNCTIONS(texts)
public:
    static inline const QString kProductName = QStringLiteral("Numora");
    static inline const QString kUntitled = QStringLiteral("Untitled");
    static QString kReady() { return tr("レディ"); }
    static QString kCalcOn() { return tr("∑計算ON"); }
    static inline const QString kCalcOffMark = QStringLiteral("⛝");
    static QString kCalcOff() { return kCalcOffMark + tr("計算OFF"); }
    static QString kCalculating() { return tr("計算中... (Esc で中止)"); }
    static QString kRecalculating() { return tr("再計算中... %1/%2 行 (Esc で中止)"); }
    static QString kResultsStopped() {
        return tr("再計算を中止しました。ここから下の結果は更新されていません。");
    }
    static QString kNoRecentDocuments() { return tr("(なし)"); }
    static QString kNoResultToCopy() { return tr("コピーできる結果がありません。"); }
    // The toolbars' names, read by screen readers.
    static QString kStandardToolbar() { return tr("標準ツール バー"); }
    static QString kInsertToolbar() { return tr("挿入ツール バー"); }
    static QString kStatusBarName() { return tr("ステータス バー"); }
    static inline const QString kAboutTitle = QStringLiteral("Numora");
    static inline const QString kAboutText = QStringLiteral("Numora v" NUMORA_VERSION);

    static QString kConfirmTitle() { return tr("確認"); }
    static QString kSaveUntitledQuestion() { return tr("Untitled を保存しますか？"); }
    static QString kSaveChangedQuestion() { return tr("%1は変更されています。保存しますか？"); }
    static QString kRecoveryQuestion() {
        return tr(
            "前回は正常に終了しなかったため、%1 "
            "の保存されていない内容が残っています。復元しますか？");
    }
    static QString kChangedOnDiskQuestion() {
        return tr("%1 は他のプログラムによって変更されています。上書きしますか？");
    }
    static QString kRecoveryWriteFailed() { return tr("復元用コピーを保存できません: %1"); }
    static QString kSettingsSaveTitle() { return tr("設定の保存"); }
    static QString kSettingsSaveFailed() {
        return tr(
            "設定の書き込みに失敗しました。\n今回変更した設定は次回の起動に引き継がれません。");
    }
    static QString kFileOpenTitle() { return tr("ファイルオープン"); }
    static QString kFileNotFound() { return tr("が見つかりませんでした。"); }
    static QString kTextFilesFilter() { return tr("テキスト ファイル (*.txt)"); }
    static QString kAllFilesFilter() { return tr("すべてのファイル (*.*)"); }

    static QString kMenuFile() { return tr("ファイル(&F)"); }
    static QString kMenuEdit() { return tr("編集(&E)"); }
    static QString kMenuView() { return tr("表示(&V)"); }
    static QString kMenuHelp() { return tr("ヘルプ(&H)"); }

    // "Numora - [ name ]" plus " *" while modified; an empty name is the Untitled document.
    static QString WindowTitle(const QString& documentName, bool modified) {
        return kProductName + QStringLiteral(" - [ ") +
               (documentName.isEmpty() ? kUntitled : documentName) + QStringLiteral(" ]") +
               (modified ? QStringLiteral(" *") : QString());
    }
};

}  // namespace numora
