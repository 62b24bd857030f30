#include "settings/dialogs/ThemeColors.h"

#include <algorithm>
#include <cmath>

namespace numora {

namespace {

namespace D = SettingsDefaults;

constexpr LineColorSet kLightDefaults = {D::DefaultColor, D::ResultColor, D::ErrorColor,
                                         D::CommentColor};
// Light grey text, light blue results, salmon errors and light green comments: at least 3:1
// against the darkest greys that dark themes use, 4.5:1 for the text.
constexpr LineColorSet kDarkDefaults = {0xE6E6E6, 0xFFB46E, 0x7A7AFF, 0x70D070};

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& color) {
    return 0.2126 * Linear(color.red()) + 0.7152 * Linear(color.green()) +
           0.0722 * Linear(color.blue());
}

}  // namespace

LineColorSet StoredLineColors(const Settings& settings) {
    return {settings.DefaultColor, settings.ResultColor, settings.ErrorColor,
            settings.CommentColor};
}

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < 128;
}

LineColorSet ShownLineColors(const LineColorSet& stored, const QPalette& palette) {
    if (!IsDarkPalette(palette)) return stored;
    LineColorSet shown = stored;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (stored[i] == kLightDefaults[i]) shown[i] = kDarkDefaults[i];
    }
    return shown;
}

QColor CalcStateColor(bool on, const QPalette& palette) {
    if (IsDarkPalette(palette)) return on ? QColor(0x6E, 0xB4, 0xFF) : QColor(0xFF, 0x7A, 0x7A);
    return on ? QColor(0, 0, 255) : QColor(255, 0, 0);
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace numora
