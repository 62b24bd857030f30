#include "shell/Startup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIconEngine>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QThreadPool>
#include <memory>
#include <optional>
#include <string_view>

#include "settings/Settings.h"
#include "shell/SvgIcon.h"
#include "shell/Translations.h"

namespace numora {

namespace {

// A style's icon, asked of the style when it is first drawn. Making the menu bar and each
// toolbar makes its overflow button, with an icon that the style reads from image files;
// the first image read looks through every image format plugin, a long step before the
// window can show, for a button that shows only when the window is too narrow.
class DeferredStyleIcon final : public QIconEngine {
public:
    DeferredStyleIcon(const QStyle& style, QStyle::StandardPixmap which)
        : made_(std::make_shared<Made>(Made{QPointer<const QStyle>(&style), which, std::nullopt})) {}

    QIconEngine* clone() const override { return new DeferredStyleIcon(*this); }
    bool isNull() override { return made_->icon.has_value() && made_->icon->isNull(); }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    // `size` is in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(scale > 0 ? size / scale : size, scale, mode, state);
    }

private:
    struct Made {
        QPointer<const QStyle> style;  // none once the application has another style
        QStyle::StandardPixmap which;
        std::optional<QIcon> icon;
    };

    QIcon& Icon() {
        if (!made_->icon) {
            made_->icon = made_->style ? made_->style->standardIcon(made_->which) : QIcon();
        }
        return *made_->icon;
    }

    std::shared_ptr<Made> made_;
};

// The desktop's style, with the overflow buttons' icons asked for when they are drawn.
class StartStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton) {
            return QIcon(new DeferredStyleIcon(*baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

QStyle* NewProgramStyle() { return new StartStyle; }

void PrepareApplication(QApplication& app, Settings& settings) {
    settings.Load();
    const std::string_view language =
        ResolveLanguage(settings.Language, QLocale::system().uiLanguages());
    MatchFontsToLanguage(language);
    // Listing the installed fonts reads the whole font configuration, the longest step before
    // the window can show. The font database may be used from any thread and keeps the list
    // for all, so it is filled on another while this one loads the translations and makes the
    // window's actions, menus and toolbars, which need no font; the window's first font waits
    // for it. The language for matching fonts is set before.
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
    QApplication::setStyle(NewProgramStyle());
    QApplication::setWindowIcon(SvgIcon(QStringLiteral(":/icons/numora.svg")));
    InstallTranslators(app, language);
}

}  // namespace numora
