#pragma once
// Colours are stored as 0x00BBGGRR values (the settings record, the worksheet's line colours);
// these turn them into Qt's and back.
#include <QColor>
#include <cstdint>

namespace numora {

inline QColor FromColorRef(std::uint32_t color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

inline std::uint32_t ToColorRef(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
           static_cast<std::uint32_t>(rgb.blue()) << 16;
}

}  // namespace numora
