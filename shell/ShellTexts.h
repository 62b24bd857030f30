#pragma once
// The main window's own texts, kept together. Command texts live in CommandTable.cpp.
#include <QString>

namespace numora::texts {

inline const QString kProductName = QStringLiteral("Numora");
inline const QString kUntitled = QStringLiteral("Untitled");
inline const QString kReady = QStringLiteral("レディ");
inline const QString kCalcOn = QStringLiteral("∑計算ON");
inline const QString kCalcOffMark = QStringLiteral("⛝");
inline const QString kCalcOff = kCalcOffMark + QStringLiteral("計算OFF");
inline const QString kCalculating = QStringLiteral("計算中... (Esc で中止)");
inline const QString kNoRecentDocuments = QStringLiteral("(なし)");
inline const QString kAboutTitle = QStringLiteral("Numora");
inline const QString kAboutText = QStringLiteral("Numora v" NUMORA_VERSION);

inline const QString kConfirmTitle = QStringLiteral("確認");
inline const QString kSaveUntitledQuestion = QStringLiteral("Untitled を保存しますか？");
inline const QString kSaveChangedQuestion = QStringLiteral("%1は変更されています。保存しますか？");
inline const QString kRecoveryQuestion = QStringLiteral(
    "前回は正常に終了しなかったため、%1 の保存されていない内容が残っています。復元しますか？");
inline const QString kSettingsSaveTitle = QStringLiteral("設定の保存");
inline const QString kSettingsSaveFailed = QStringLiteral(
    "設定の書き込みに失敗しました。\n今回変更した設定は次回の起動に引き継がれません。");
inline const QString kFileOpenTitle = QStringLiteral("ファイルオープン");
inline const QString kFileNotFound = QStringLiteral("が見つかりませんでした。");
inline const QString kTextFilesFilter = QStringLiteral("テキスト ファイル (*.txt)");
inline const QString kAllFilesFilter = QStringLiteral("すべてのファイル (*.*)");

inline const QString kMenuFile = QStringLiteral("ファイル(&F)");
inline const QString kMenuEdit = QStringLiteral("編集(&E)");
inline const QString kMenuView = QStringLiteral("表示(&V)");
inline const QString kMenuHelp = QStringLiteral("ヘルプ(&H)");

// "Numora - [ name ]" plus " *" while modified; an empty name is the Untitled document.
inline QString WindowTitle(const QString& documentName, bool modified) {
    return kProductName + QStringLiteral(" - [ ") +
           (documentName.isEmpty() ? kUntitled : documentName) + QStringLiteral(" ]") +
           (modified ? QStringLiteral(" *") : QString());
}

}  // namespace numora::texts
