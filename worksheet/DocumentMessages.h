#pragma once
// The texts that the document routines show to the user, kept together. They are UTF-8 and
// marked for translation; the window looks each up in the interface language when it shows it.
#include <string_view>

#include "base/FileError.h"
#include "base/Translatable.h"

namespace numora {

inline constexpr char kDocumentMessagesContext[] = "numora::DocumentMessages";

enum class DocumentStatus;

// One message box: text, title; always an error icon and an OK button. `reason`, when there is
// one, goes on a line of its own after the text, behind the file's `name`: which file, and why.
struct DocumentMessage {
    const char* text;
    const char* title;
    std::u16string_view name = {};
    const char* reason = nullptr;
};

inline constexpr DocumentMessage kLoadFailedMessage{
    QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイルの読み込みに失敗しました。"),
    QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイル読み込み")};
inline constexpr DocumentMessage kSaveFailedMessage{
    QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイルの書き込みに失敗しました。"),
    QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイル保存")};

// Why a file could not be read or written, in the window's words (to be translated).
const char* FileErrorReason(FileError error);
// Why a worksheet could not be loaded: the file's reason, or what is wrong with its contents.
const char* LoadFailureReason(DocumentStatus status, FileError error);

}  // namespace numora
