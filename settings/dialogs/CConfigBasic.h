#pragma once
// The options page for the interface language, the Untitled document, result digits and
// recalculation on opening, the unary minus with powers and the Enter key on a result line. It
// reads Settings when built and writes them on Apply.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace numora {

class Settings;

// The digits typed into the page: 255 and above, and anything that does not read as a
// number below 255, become 255; an empty box is 0.
int DigitsFromText(const QString& text);

class CConfigBasic : public QWidget {
    Q_OBJECT
public:
    explicit CConfigBasic(Settings& settings, QWidget* parent = nullptr);

    bool Shown() const { return shown_; }
    void Apply();  // into Settings

    QComboBox* language;  // item data "ja", "en"
    QCheckBox* autoSave;
    QCheckBox* noConfirm;
    QSpinBox* digits;
    QCheckBox* keepStatusFormat;
    QCheckBox* recalculateOnOpen;
    QCheckBox* livePreview;
    QCheckBox* autoRecalculate;
    QCheckBox* completion;
    QCheckBox* groupDigits;
    QCheckBox* undoTypedRuns;
    QCheckBox* totals;
    QCheckBox* units;
    QCheckBox* percent;
    QSpinBox* taxRate;
    QComboBox* taxRounding;  // item data -1, 0, 1
    QCheckBox* myriadGrouping;
    QRadioButton* unaryPower;
    QRadioButton* unaryBase;
    QRadioButton* enterInserts;
    QRadioButton* enterComputes;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Settings& settings_;
    bool shown_ = false;
};

}  // namespace numora
