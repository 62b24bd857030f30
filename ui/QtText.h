#pragma once
// The core's text is UTF-16 like QString's, so crossing between them copies at most once and
// never transcodes.
#include <QString>
#include <string_view>

namespace numora {

inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

// Valid while `text` lives unchanged.
inline std::u16string_view ToU16View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace numora
