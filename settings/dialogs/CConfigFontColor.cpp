#include "settings/dialogs/CConfigFontColor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/dialogs/ConfigTexts.h"
#include "settings/dialogs/FontColor.h"
#include "settings/dialogs/ThemeColors.h"
#include "ui/Prompter.h"

namespace numora {

CConfigFontColor::CConfigFontColor(Settings& settings, const QFont& baseFont, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      baseFont_(baseFont),
      font_(settings.Font),
      colors_{settings.DefaultColor, settings.ResultColor, settings.ErrorColor,
              settings.CommentColor} {
    using T = ConfigTexts;
    // The samples are shown as the worksheet shows text: on its background, white on a light
    // desktop.
    setAutoFillBackground(true);
    QPalette sheet = palette();
    sheet.setColor(QPalette::Window, sheet.color(QPalette::Base));
    sheet.setColor(QPalette::WindowText, sheet.color(QPalette::Text));
    setPalette(sheet);

    fontLabel = new QLabel(T::kFontLabel(), this);
    fontLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fontButton = new QPushButton(T::kChooseFont(), this);
    auto* fontGroup = new QGroupBox(T::kFontGroup(), this);
    auto* fontLayout = new QHBoxLayout(fontGroup);
    fontLayout->addWidget(fontLabel, 1);
    fontLayout->addWidget(fontButton);
    connect(fontButton, &QPushButton::clicked, this, &CConfigFontColor::ChooseFont);

    const QString sampleTexts[kColorCount] = {T::kDefaultSample(), T::kResultSample(),
                                              T::kErrorSample(), T::kCommentSample()};
    const QString buttonNames[kColorCount] = {T::kChooseDefaultColor(), T::kChooseResultColor(),
                                              T::kChooseErrorColor(), T::kChooseCommentColor()};
    auto* colorGroup = new QGroupBox(T::kColorGroup(), this);
    auto* colorLayout = new QGridLayout(colorGroup);
    for (int i = 0; i < kColorCount; ++i) {
        samples[i] = new QLabel(sampleTexts[i], this);
        colorButtons[i] = new QPushButton(T::kChooseColor(), this);
        colorButtons[i]->setAccessibleName(buttonNames[i]);
        colorLayout->addWidget(samples[i], i, 0);
        colorLayout->addWidget(colorButtons[i], i, 1);
        colorLayout->setColumnStretch(0, 1);
        connect(colorButtons[i], &QPushButton::clicked, this,
                [this, i] { ChooseColor(static_cast<ColorIndex>(i)); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontGroup);
    layout->addWidget(colorGroup);
    layout->addStretch();
    RefreshSamples();
}

int CConfigFontColor::Dpi() const {
    const QScreen* screen = this->screen();
    return screen ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
}

namespace {

// A sample asks for the room its text takes in the chosen font, but makes do with the width it
// takes in the dialog's own font and a few of its lines' height: a large font is cut off at the
// sample's edge instead of pushing the buttons beside it, or the whole dialog, off the screen.
void ShowInFont(QLabel& label, const QFont& font, const QFont& base) {
    constexpr int kMostLines = 4;
    label.setFont(font);
    const QFontMetrics baseMetrics(base);
    const int height = QFontMetrics(font).height();
    label.setMinimumSize(baseMetrics.horizontalAdvance(label.text()),
                         std::min(height, kMostLines * baseMetrics.height()));
}

}  // namespace

void CConfigFontColor::RefreshSamples() {
    const QFont font = ToQFont(font_, baseFont_);
    fontLabel->setText(ConfigTexts::kFontDescription.arg(font.family())
                           .arg(FontPointSize(font_, baseFont_, Dpi())));
    ShowInFont(*fontLabel, font, baseFont_);
    // As the worksheet shows them, on a dark desktop too.
    static_assert(kColorCount == 4);
    const LineColorSet shown = ShownLineColors({colors_[0], colors_[1], colors_[2], colors_[3]}, palette());
    for (int i = 0; i < kColorCount; ++i) {
        ShowInFont(*samples[i], font, baseFont_);
        QPalette palette = samples[i]->palette();
        palette.setColor(QPalette::WindowText, FromColorRef(shown[static_cast<std::size_t>(i)]));
        samples[i]->setPalette(palette);
    }
}

void CConfigFontColor::ChooseFont() {
    QFont font = ToQFont(font_, baseFont_);
    if (!CurrentPrompter().ChooseFont(this, font)) return;
    font_ = ToFontData(font, Dpi());
    changed_ = true;
    RefreshSamples();
    // Once the labels' new sizes have reached the layout.
    QTimer::singleShot(0, this, &CConfigFontColor::FitWindow);
}

void CConfigFontColor::FitWindow() {
    // A larger font needs more room than the dialog was given when it opened: it grows to show
    // the description and the samples whole, as far as the screen allows, and never shrinks
    // under the user's hands.
    QWidget* dialog = window();
    if (!dialog->isVisible()) return;
    // The page knows what it needs; the tab widget around it keeps its old idea of that.
    const QSize missing = (sizeHint() - size()).expandedTo(QSize(0, 0));
    QSize wanted = dialog->size() + missing;
    if (const QScreen* screen = dialog->screen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    }
    if (wanted != dialog->size()) dialog->resize(wanted);
}

void CConfigFontColor::ChooseColor(ColorIndex index) {
    QColor color = FromColorRef(colors_[index]);
    if (!CurrentPrompter().ChooseColor(this, color)) return;
    colors_[index] = ToColorRef(color);
    changed_ = true;
    RefreshSamples();
}

void CConfigFontColor::showEvent(QShowEvent* event) {
    shown_ = true;
    QWidget::showEvent(event);
}

void CConfigFontColor::Apply() {
    if (!changed_) return;
    settings_.Font = font_;
    settings_.DefaultColor = colors_[kDefault];
    settings_.ResultColor = colors_[kResult];
    settings_.ErrorColor = colors_[kError];
    settings_.CommentColor = colors_[kComment];
}

}  // namespace numora
