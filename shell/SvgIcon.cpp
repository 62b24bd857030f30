#include "shell/SvgIcon.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#if NUMORA_SVG_ICONS
#include "shell/SvgPixels.h"
#else
#include "shell/IconPixels.h"
#endif

namespace numora {

namespace {

// The drawing of one icon, shared by the copies of its QIcon. The sizes drawn when the program
// was built are read as pixels. Any other size is drawn from the SVG file, which is read and
// parsed when it is first needed; without the SVG (a build without Qt Svg) it is the nearest
// drawing made larger or smaller.
class SvgDrawing {
public:
    SvgDrawing(QString path, bool dark, bool fromSvg)
        : path_(std::move(path)), dark_(dark), fromSvg_(fromSvg) {}

    QSize DefaultSize() {
        if (!defaultSize_) {
            defaultSize_ = Built(1.0).size();
#if NUMORA_SVG_ICONS
            if (defaultSize_->isEmpty() && fromSvg_) defaultSize_ = Renderer().defaultSize();
#endif
        }
        return *defaultSize_;
    }

    QImage Draw(QSize pixels) {
        const QSize own = DefaultSize();
        for (std::size_t i = 0; i < std::size(kPixelScales); ++i) {
            if (pixels == ScaledSize(own, kPixelScales[i]) && !BuiltAt(i).isNull())
                return BuiltAt(i);
        }
#if NUMORA_SVG_ICONS
        if (fromSvg_) return DrawSvg(Renderer(), pixels);
#endif
        const std::optional<double> from = ScaleToDrawFrom(own, pixels, Drawn());
        if (!from || pixels.isEmpty()) return {};
        return Built(*from).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

private:
    // The pixels drawn when the program was built at kPixelScales[index]; null where none were
    // (every scale but 1 and 2 in a build with Qt Svg, and the dark inks there).
    const QImage& BuiltAt(std::size_t index) {
        std::optional<QImage>& built = built_[index];
        if (!built) {
            QFile file(PixelsPath(path_, kPixelScales[index], dark_));
            built = file.open(QIODevice::ReadOnly) ? FromPixelsFile(file.readAll()) : QImage();
        }
        return *built;
    }

    // `scale` is one of kPixelScales.
    const QImage& Built(double scale) {
        const auto* found = std::find(std::begin(kPixelScales), std::end(kPixelScales), scale);
        return BuiltAt(static_cast<std::size_t>(found - std::begin(kPixelScales)));
    }

    // The scales drawn when the program was built, smallest first.
    const std::vector<double>& Drawn() {
        if (!drawn_) {
            drawn_.emplace();
            for (std::size_t i = 0; i < std::size(kPixelScales); ++i) {
                if (!BuiltAt(i).isNull()) drawn_->push_back(kPixelScales[i]);
            }
        }
        return *drawn_;
    }

#if NUMORA_SVG_ICONS
    QSvgRenderer& Renderer() {
        if (renderer_ == nullptr) {
            QByteArray svg;
            QFile file(path_);
            if (file.open(QIODevice::ReadOnly)) svg = file.readAll();
            renderer_ = std::make_unique<QSvgRenderer>(dark_ ? WithDarkInks(svg) : svg);
        }
        return *renderer_;
    }
    std::unique_ptr<QSvgRenderer> renderer_;
#endif

    QString path_;
    bool dark_;
    bool fromSvg_;
    std::optional<QSize> defaultSize_;
    std::array<std::optional<QImage>, std::size(kPixelScales)> built_;
    std::optional<std::vector<double>> drawn_;
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
        const qreal scale =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
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
    return QIcon(new SvgIconEngine(std::make_shared<SvgDrawing>(path, dark, NUMORA_SVG_ICONS)));
}

QIcon BuiltPixelsIcon(const QString& path, bool dark) {
    return QIcon(new SvgIconEngine(std::make_shared<SvgDrawing>(path, dark, false)));
}

}  // namespace numora
