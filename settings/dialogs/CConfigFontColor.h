#pragma once
// The options page for the worksheet font and the four text colours. It works on copies, so
// that Cancel leaves Settings untouched; Apply copies them back only when something changed.
#include <QWidget>
#include <array>

#include "settings/Settings.h"

class QLabel;
class QPushButton;

namespace numora {

class CConfigFontColor : public QWidget {
    Q_OBJECT
public:
    enum ColorIndex { kDefault, kResult, kError, kComment, kColorCount };

    // `baseFont` fills in what the record leaves open (the system font).
    CConfigFontColor(Settings& settings, const QFont& baseFont, QWidget* parent = nullptr);

    bool Shown() const { return shown_; }
    bool Changed() const { return changed_; }
    void Apply();  // into Settings, when changed

    void ChooseFont();
    void ChooseColor(ColorIndex index);

    QLabel* fontLabel;
    std::array<QLabel*, kColorCount> samples{};
    QPushButton* fontButton;
    std::array<QPushButton*, kColorCount> colorButtons{};

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RefreshSamples();
    void FitWindow();
    int Dpi() const;

    Settings& settings_;
    QFont baseFont_;
    FontData font_;
    std::array<uint32_t, kColorCount> colors_{};
    bool changed_ = false;
    bool shown_ = false;
};

}  // namespace numora
