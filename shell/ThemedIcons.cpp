#include "shell/ThemedIcons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <utility>

namespace numora {

namespace {

// The inks the icons are drawn with, and what each becomes on a dark toolbar.
constexpr std::pair<const char*, const char*> kDarkInks[] = {
    {"#1d3c66", "#9cc3ff"}, {"#333\"", "#d8d8d8\""}, {"#334\"", "#d0d0e0\""},
    {"#445\"", "#d0d0e0\""}, {"#3c4250", "#c8ccd8"}, {"#7b2d8b", "#dba4ea"},
    {"#008000", "#70d070"},  {"#2a6bbf", "#8ab8f0"}, {"#2a5ea8", "#8ab8f0"},
    {"#8a6512", "#e0b860"},
};

}  // namespace

QIcon ThemedIcon(const QString& path, bool dark) {
    if (!dark) return QIcon(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QIcon(path);
    QByteArray svg = file.readAll();
    for (const auto& [ink, light] : kDarkInks) svg.replace(ink, light);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return QIcon(path);
    QIcon icon;
    const QSize size = renderer.defaultSize();
    for (const int scale : {1, 2, 3}) {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace numora
