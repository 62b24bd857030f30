#pragma once
// The texts the worksheet view and the variable list pane show, kept together.

namespace numora::view_texts {

inline constexpr char16_t kVariableListTitle[] = u"変数リスト";
inline constexpr char16_t kCloseTip[] = u"閉じる";

}  // namespace numora::view_texts
