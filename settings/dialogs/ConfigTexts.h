#pragma once
// The texts of the options dialog, kept together.
#include <QString>

namespace numora::ConfigTexts {

inline const QString kTitle = QStringLiteral("オプション設定");
inline const QString kBasicPage = QStringLiteral("基本設定");
inline const QString kFontColorPage = QStringLiteral("フォント・文字色");
inline const QString kSettingsFile = QStringLiteral("設定ファイル");
inline const QString kOk = QStringLiteral("OK");
inline const QString kCancel = QStringLiteral("キャンセル");

inline const QString kUntitledGroup = QStringLiteral("[Untitled]ドキュメントの動作");
inline const QString kAutoSave = QStringLiteral("終了時に自動的に保存し、起動時に読み込む");
inline const QString kNoConfirm = QStringLiteral("閉じるとき保存を確認しない");
inline const QString kResultGroup = QStringLiteral("計算結果表示");
inline const QString kDigits = QStringLiteral("仮数部の桁数：");
inline const QString kKeepStatusFormat = QStringLiteral("ステータスバーの表示形式を保存");
inline const QString kUnaryGroup = QStringLiteral("べき乗の単項演算子結合");
inline const QString kUnaryPower = QStringLiteral("Power : [ -a^b = -(a^b) ]");
inline const QString kUnaryBase = QStringLiteral("Base : [-a^b = (-a)^b]");
inline const QString kEnterGroup = QStringLiteral("結果行でのEnterキー動作");
inline const QString kEnterInserts = QStringLiteral("行の内容を次の行へ挿入");
inline const QString kEnterComputes = QStringLiteral("行の内容でそのまま計算");

inline const QString kFontGroup = QStringLiteral("フォント設定");
inline const QString kFontLabel = QStringLiteral(" フォント");
inline const QString kFontDescription = QStringLiteral(" %1 , %2pt");
inline const QString kChooseFont = QStringLiteral("フォント選択");
inline const QString kColorGroup = QStringLiteral("文字色設定");
inline const QString kDefaultSample = QStringLiteral(" 基本文字色 ： a=1+2-3*4/5^6e7%1");
inline const QString kResultSample = QStringLiteral(" 計算結果 ：>Result 1234567890");
inline const QString kErrorSample = QStringLiteral(" エラーメッセージ ：>Error : Message");
inline const QString kCommentSample = QStringLiteral(" コメント ：// Comment");
inline const QString kChooseColor = QStringLiteral("色選択");

}  // namespace numora::ConfigTexts
