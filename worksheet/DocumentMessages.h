#pragma once
// The texts that the document routines show to the user, kept together. They are UTF-8 and
// marked for translation; the window looks each up in the interface language when it shows it.
#include "base/Translatable.h"

namespace numora {

inline constexpr char kDocumentMessagesContext[] = "numora::DocumentMessages";

// One message box: text, title; always an error icon and an OK button.
struct DocumentMessage {
    const char* text;
    const char* title;
};

inline constexpr DocumentMessage kLoadFailedMessage{
    QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイルの読み込みに失敗しました。"),
    QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイル読み込み")};
inline constexpr DocumentMessage kSaveFailedMessage{
    QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイルの書き込みに失敗しました。"),
    QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイル保存")};

}  // namespace numora
