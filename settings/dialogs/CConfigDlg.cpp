#include "settings/dialogs/CConfigDlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "settings/Settings.h"
#include "settings/dialogs/CConfigBasic.h"
#include "settings/dialogs/CConfigFontColor.h"
#include "settings/dialogs/ConfigTexts.h"
#include "ui/Prompter.h"
#include "ui/ScreenFit.h"

namespace numora {

namespace {

// A page that scrolls where the screen is too small for it (a large desktop font, a small
// screen), so that OK and Cancel below it are always in reach. Unlike a plain scroll area it asks
// for the room of the whole page: where the screen has that room, nothing scrolls.
class PageScroller final : public QScrollArea {
public:
    PageScroller(QWidget* page, QWidget* parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(page);
    }
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }
};

}  // namespace

CConfigDlg::CConfigDlg(Settings& settings, const QFont& baseFont, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    using T = ConfigTexts;
    setWindowTitle(T::kTitle());
    pages_ = new QTabWidget(this);
    basic_ = new CConfigBasic(settings, pages_);
    fontColor_ = new CConfigFontColor(settings, baseFont, pages_);
    pages_->addTab(new PageScroller(basic_, pages_), T::kBasicPage());
    pages_->addTab(new PageScroller(fontColor_, pages_), T::kFontColorPage());
    pages_->setCurrentIndex(0);

    openFolder_ = [](const QString& folder) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };
    // Mirrors Cancel: as far from the left edge as Cancel is from the right one.
    settingsFile_ = new QPushButton(T::kSettingsFile(), this);
    auto* ok = new QPushButton(T::kOk, this);
    auto* cancel = new QPushButton(T::kCancel(), this);
    ok->setDefault(true);
    connect(settingsFile_, &QPushButton::clicked, this, [this] {
        // Without a file manager (or an opener for folders) the user still learns where it is.
        const QString folder = QDir::toNativeSeparators(
            QString::fromStdU16String(settings_.SettingsFolder.u16string()));
        if (openFolder_(folder)) return;
        CurrentPrompter().Message(this, QMessageBox::Warning, T::kTitle(),
                                  T::kFolderNotOpened().arg(folder), QMessageBox::Ok,
                                  QMessageBox::Ok);
    });
    connect(ok, &QPushButton::clicked, this, &CConfigDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CConfigDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(settingsFile_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons);
}

void CConfigDlg::setVisible(bool visible) {
    // Sized before Qt places it, so that it is centred at the size it is shown at.
    if (visible && !sized_) {
        sized_ = true;
        SizeForScreen(*this);
    }
    QDialog::setVisible(visible);
}

void CConfigDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    KeepOnScreen(*this);
}

void CConfigDlg::accept() {
    changes_ = {};
    if (basic_->Shown()) {
        basic_->Apply();
        changes_.basic = true;
    }
    if (fontColor_->Shown() && fontColor_->Changed()) {
        fontColor_->Apply();
        changes_.fontColor = true;
    }
    QDialog::accept();
}

}  // namespace numora
