#pragma once
// The texts that the document routines show to the user, kept together.
#include <string_view>

namespace numora {

// One message box: text, title; always an error icon and an OK button.
struct DocumentMessage {
    std::u16string_view text;
    std::u16string_view title;
};

inline constexpr DocumentMessage kLoadFailedMessage{u"ファイルの読み込みに失敗しました。",
                                                    u"ファイル読み込み"};
inline constexpr DocumentMessage kSaveFailedMessage{u"ファイルの書き込みに失敗しました。",
                                                    u"ファイル保存"};

}  // namespace numora
