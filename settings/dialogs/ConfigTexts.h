#pragma once
// The texts of the options dialog, kept together.
#include <QCoreApplication>
#include <QString>

namespace numora {

struct ConfigTexts {
    Q_DECLARE_TR_FUNCTIONS(ConfigTexts)
public:
    static QString kTitle() { return tr("オプション設定"); }
    static QString kBasicPage() { return tr("基本設定"); }
    static QString kFontColorPage() { return tr("フォント・文字色"); }
    static QString kSettingsFile() { return tr("設定ファイル"); }
    static QString kFolderNotOpened() {
        return tr("設定ファイルのフォルダを開けませんでした。\n%1");
    }
    static inline const QString kOk = QStringLiteral("OK");
    static QString kCancel() { return tr("キャンセル"); }

    // The language choice reads the same in every language, so that it can always be found; each
    // language is named in itself.
    static inline const QString kLanguageGroup = QStringLiteral("表示言語 / Language");
    static inline const QString kJapanese = QStringLiteral("日本語");
    static inline const QString kEnglish = QStringLiteral("English");
    static QString kSystemLanguage() { return tr("システムに合わせる"); }
    static QString kLanguageAtNextStart() { return tr("次回の起動から有効になります。"); }

    static QString kUntitledGroup() { return tr("[Untitled]ドキュメントの動作"); }
    static QString kAutoSave() { return tr("終了時に自動的に保存し、起動時に読み込む"); }
    static QString kNoConfirm() { return tr("閉じるとき保存を確認しない"); }
    static QString kResultGroup() { return tr("計算結果表示"); }
    static QString kDigits() { return tr("仮数部の桁数："); }
    static QString kKeepStatusFormat() { return tr("ステータスバーの表示形式を保存"); }
    static QString kRecalculateOnOpen() { return tr("開いたときに再計算する"); }
    static QString kLivePreview() { return tr("入力中に結果を表示する"); }
    static QString kAutoRecalculate() { return tr("自動再計算"); }
    static QString kCompletion() { return tr("名前の補完"); }
    static QString kGroupDigits() { return tr("結果を3桁ごとに区切る"); }
    static QString kUndoTypedRuns() { return tr("入力をまとめて元に戻す"); }
    static QString kTotals() { return tr("合計を使う"); }
    static QString kUnits() { return tr("単位を使う"); }
    static QString kPercentGroup() { return tr("パーセント・税"); }
    static QString kPercent() { return tr("パーセントと万・億を使う"); }
    static QString kTaxRate() { return tr("標準税率："); }
    static inline const QString kPercentSuffix = QStringLiteral(" %");
    static QString kTaxRounding() { return tr("端数処理："); }
    static QString kRoundDown() { return tr("切り捨て"); }
    static QString kRoundHalfUp() { return tr("四捨五入"); }
    static QString kRoundUp() { return tr("切り上げ"); }
    static QString kMyriadGrouping() { return tr("万・億で表示"); }
    static QString kUnaryGroup() { return tr("べき乗の単項演算子結合"); }
    static inline const QString kUnaryPower = QStringLiteral("Power : [ -a^b = -(a^b) ]");
    static inline const QString kUnaryBase = QStringLiteral("Base : [-a^b = (-a)^b]");
    static QString kEnterGroup() { return tr("結果行でのEnterキー動作"); }
    static QString kEnterInserts() { return tr("行の内容を次の行へ挿入"); }
    static QString kEnterComputes() { return tr("行の内容でそのまま計算"); }

    static QString kFontGroup() { return tr("フォント設定"); }
    static QString kFontLabel() { return tr(" フォント"); }
    static inline const QString kFontDescription = QStringLiteral(" %1, %2pt");
    static QString kChooseFont() { return tr("フォント選択"); }
    static QString kColorGroup() { return tr("文字色設定"); }
    static QString kDefaultSample() { return tr(" 基本文字色 ： a=1+2-3*4/5^6e7%1"); }
    static QString kResultSample() { return tr(" 計算結果 ：>Result 1234567890"); }
    static QString kErrorSample() { return tr(" エラーメッセージ ：>Error : Message"); }
    static QString kCommentSample() { return tr(" コメント ：// Comment"); }
    static QString kChooseColor() { return tr("色選択"); }
    // The colour buttons as a screen reader names them, each by what it colours.
    static QString kChooseDefaultColor() { return tr("基本文字色を選択"); }
    static QString kChooseResultColor() { return tr("計算結果の色を選択"); }
    static QString kChooseErrorColor() { return tr("エラーメッセージの色を選択"); }
    static QString kChooseCommentColor() { return tr("コメントの色を選択"); }
};

}  // namespace numora
