#include "settings/dialogs/FontColor.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>

namespace numora {

QString InstalledFace(const QString& face) {
    // Asking for each name in turn would resolve it as an alias through the platform's font
    // configuration, a long step at start; the installed families are listed once.
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&installed](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    if (!face.isEmpty() && (isInstalled(face) || QFontDatabase::hasFamily(face))) return face;
    // The platform's Japanese interface font, which shows every character a worksheet holds.
    static const char* const kJapaneseUiFaces[] = {
        "Meiryo UI",        "Yu Gothic UI", "MS UI Gothic", "Hiragino Sans", "Hiragino Kaku Gothic ProN",
        "Noto Sans CJK JP", "Noto Sans JP", "IPAexGothic",  "IPAGothic",     "TakaoGothic",
        "VL Gothic"};
    for (const char* candidate : kJapaneseUiFaces) {
        const QString family = QString::fromLatin1(candidate);
        if (isInstalled(family)) return family;
    }
    return {};
}

QFont ToQFont(const FontData& font, const QFont& base) {
    QFont result = base;
    const QString face = InstalledFace(QString::fromStdU16String(font.FaceName));
    if (!face.isEmpty()) result.setFamily(face);
    // Negative: the character height; positive: the cell height, close enough to it.
    // A height from a damaged file must not make a font of absurd size.
    if (font.Height != 0) {
        result.setPixelSize(
            static_cast<int>(std::clamp<int64_t>(std::abs(int64_t{font.Height}), 1, 1000)));
    }
    if (font.Weight != 0)
        result.setWeight(static_cast<QFont::Weight>(std::clamp(font.Weight, 1, 1000)));
    result.setItalic(font.Italic != 0);
    return result;
}

FontData ToFontData(const QFont& font, int dpi) {
    FontData data;
    const int pixels = font.pixelSize() > 0
                           ? font.pixelSize()
                           : static_cast<int>(std::lround(font.pointSizeF() * dpi / 72.0));
    data.Height = -std::max(1, pixels);
    data.Weight = font.weight();
    data.Italic = font.italic() ? 1 : 0;
    data.FaceName = font.family().left(Settings::kMaxFaceName).toStdU16String();
    return data;
}

int FontPointSize(const FontData& font, const QFont& base, int dpi) {
    if (font.Height == 0) {
        if (base.pointSize() > 0) return base.pointSize();
        return dpi > 0 ? static_cast<int>(std::lround(base.pixelSize() * 72.0 / dpi)) : 0;
    }
    if (dpi <= 0) return 0;
    return static_cast<int>(std::lround(std::abs(static_cast<double>(font.Height)) * 72.0 / dpi));
}

}  // namespace numora
