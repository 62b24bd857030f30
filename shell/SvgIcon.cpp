#include "shell/SvgIcon.h"

#include "shell/SvgPixels.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <array>
#include <memory>
#include <optional>
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

// The drawing of one icon, shared by the copies of its QIcon. The sizes drawn when the program
// was built are read as pixels; any other size is drawn from the SVG file, which is read and
// parsed when it is first needed.
class SvgDrawing {
public:
    SvgDrawing(QString path, bool dark) : path_(std::move(path)), dark_(dark) {}

    QSize DefaultSize() {
        if (!defaultSize_) {
            const QSize built = Built(1).size();
            defaultSize_ = built.isEmpty() ? Renderer().defaultSize() : built;
        }
        return *defaultSize_;
    }

    QImage Draw(QSize pixels) {
        for (const int scale : {1, 2}) {
            if (pixels == DefaultSize() * scale && !Built(scale).isNull()) return Built(scale);
        }
        return DrawSvg(Renderer(), pixels);
    }

private:
    // The pixels drawn when the program was built, `scale` times the icon's size; null for
    // the dark inks, which were not.
    const QImage& Built(int scale) {
        std::optional<QImage>& built = built_[scale - 1];
        if (!built) {
            QFile file(PixelsPath(path_, scale));
            built = !dark_ && file.open(QIODevice::ReadOnly) ? FromPixelsFile(file.readAll())
                                                             : QImage();
        }
        return *built;
    }

    QSvgRenderer& Renderer() {
        if (renderer_ == nullptr) {
            QByteArray svg;
            QFile file(path_);
            if (file.open(QIODevice::ReadOnly)) svg = file.readAll();
            if (dark_) {
                for (const auto& [ink, light] : kDarkInks) svg.replace(ink, light);
            }
            renderer_ = std::make_unique<QSvgRenderer>(svg);
        }
        return *renderer_;
    }

    QString path_;
    bool dark_;
    std::optional<QSize> defaultSize_;
    std::array<std::optional<QImage>, 2> built_;
    std::unique_ptr<QSvgRenderer> renderer_;
};

// Draws the icon at the size and scale asked, keeping its proportions, when a toolbar or menu
// first shows it. Qt's own SVG icon engine would draw it too, but it is a plugin that is loaded
// and asked for its files before the window can show, and it draws from the SVG every time.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(std::shared_ptr<SvgDrawing> drawing) : drawing_(std::move(drawing)) {}

    QIconEngine* clone() const override { return new SvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("numora-svg"); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        QSize shown = drawing_->DefaultSize();
        if (shown.isEmpty()) return size;
        shown.scale(size, Qt::KeepAspectRatio);
        return shown;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
        const QPixmap drawn = scaledPixmap(rect.size() * scale, mode, state, scale);
        QRect placed({}, drawn.deviceIndependentSize().toSize());
        placed.moveCenter(rect.center());
        painter->drawPixmap(placed, drawn);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1);
    }

    // `size` is in device pixels; `scale` is the device pixel ratio it is for.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        const QSize shown = actualSize(size, mode, state);
        const QString key = QStringLiteral("%1x%2@%3:%4")
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(scale)
                                .arg(static_cast<int>(mode));
        if (const auto found = drawn_.constFind(key); found != drawn_.cend()) return *found;
        QPixmap pixmap = QPixmap::fromImage(drawing_->Draw(shown));
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        pixmap.setDevicePixelRatio(scale);
        drawn_.insert(key, pixmap);
        return pixmap;
    }

private:
    std::shared_ptr<SvgDrawing> drawing_;
    QHash<QString, QPixmap> drawn_;
};

}  // namespace

QIcon SvgIcon(const QString& path, bool dark) {
    return QIcon(new SvgIconEngine(std::make_shared<SvgDrawing>(path, dark)));
}

}  // namespace numora
