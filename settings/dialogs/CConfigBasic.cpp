#include "settings/dialogs/CConfigBasic.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/DigitLimits.h"
#include "settings/Settings.h"
#include "settings/dialogs/ConfigTexts.h"

namespace numora {

namespace {

// Takes any run of digits, so that a typed 300 reaches the digits rule instead of being
// refused keystroke by keystroke; the arrows stay within 0..kMaxResultDigits.
class DigitsBox : public QSpinBox {
public:
    explicit DigitsBox(QWidget* parent) : QSpinBox(parent) { setRange(0, kMaxResultDigits); }

protected:
    QValidator::State validate(QString& text, int&) const override {
        for (const QChar c : text) {
            if (!c.isDigit()) return QValidator::Invalid;
        }
        return QValidator::Acceptable;
    }
    int valueFromText(const QString& text) const override { return DigitsFromText(text); }
    void fixup(QString& text) const override { text = QString::number(DigitsFromText(text)); }
};

QGroupBox* Group(const QString& title, QWidget* parent, std::initializer_list<QWidget*> items) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* item : items) layout->addWidget(item);
    return group;
}

}  // namespace

int DigitsFromText(const QString& text) {
    if (text.trimmed().isEmpty()) return 0;
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    return ok && value >= 0 && value < kMaxResultDigits ? static_cast<int>(value)
                                                        : kMaxResultDigits;
}

CConfigBasic::CConfigBasic(Settings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
    using T = ConfigTexts;
    namespace B = OptionBits;
    const uint32_t option = settings.Option;

    language = new QComboBox(this);
    language->addItem(T::kSystemLanguage(), QString::fromLatin1(kLanguageSystem));
    language->addItem(T::kJapanese, QString::fromLatin1(kLanguageJapanese));
    language->addItem(T::kEnglish, QString::fromLatin1(kLanguageEnglish));
    language->setCurrentIndex(
        std::max(0, language->findData(QString::fromStdString(settings.Language))));
    auto* languageRow = new QWidget(this);
    auto* languageLayout = new QHBoxLayout(languageRow);
    languageLayout->setContentsMargins(0, 0, 0, 0);
    languageLayout->addWidget(language);
    languageLayout->addWidget(new QLabel(T::kLanguageAtNextStart(), languageRow));
    languageLayout->addStretch();

    autoSave = new QCheckBox(T::kAutoSave(), this);
    noConfirm = new QCheckBox(T::kNoConfirm(), this);
    autoSave->setChecked(option & B::AutoSaveUntitled);
    noConfirm->setChecked(option & B::NoConfirmOnClose);

    digits = new DigitsBox(this);
    digits->setValue(std::clamp(settings.Digits, 0, kMaxResultDigits));
    keepStatusFormat = new QCheckBox(T::kKeepStatusFormat(), this);
    keepStatusFormat->setChecked(option & B::StatusFormatSaved);
    recalculateOnOpen = new QCheckBox(T::kRecalculateOnOpen(), this);
    recalculateOnOpen->setChecked(option & B::RecalculateOnOpen);
    livePreview = new QCheckBox(T::kLivePreview(), this);
    livePreview->setChecked(settings.LivePreview);
    autoRecalculate = new QCheckBox(T::kAutoRecalculate(), this);
    autoRecalculate->setChecked(settings.AutoRecalculate);
    completion = new QCheckBox(T::kCompletion(), this);
    completion->setChecked(settings.Completion);
    groupDigits = new QCheckBox(T::kGroupDigits(), this);
    groupDigits->setChecked(settings.GroupDigits);
    undoTypedRuns = new QCheckBox(T::kUndoTypedRuns(), this);
    undoTypedRuns->setChecked(settings.UndoTypedRuns);
    totals = new QCheckBox(T::kTotals(), this);
    totals->setChecked(settings.Totals);
    units = new QCheckBox(T::kUnits(), this);
    units->setChecked(settings.Units);
    percent = new QCheckBox(T::kPercent(), this);
    percent->setChecked(settings.Percent);
    taxRate = new QSpinBox(this);
    taxRate->setRange(0, 99);
    taxRate->setSuffix(T::kPercentSuffix);
    taxRate->setValue(std::clamp(settings.TaxRate, 0, 99));
    taxRounding = new QComboBox(this);
    taxRounding->addItem(T::kRoundDown(), -1);
    taxRounding->addItem(T::kRoundHalfUp(), 0);
    taxRounding->addItem(T::kRoundUp(), 1);
    taxRounding->setCurrentIndex(std::max(0, taxRounding->findData(settings.TaxRounding)));
    myriadGrouping = new QCheckBox(T::kMyriadGrouping(), this);
    myriadGrouping->setChecked(settings.MyriadGrouping);
    auto* taxRow = new QWidget(this);
    auto* taxLayout = new QHBoxLayout(taxRow);
    taxLayout->setContentsMargins(0, 0, 0, 0);
    auto* taxRateLabel = new QLabel(T::kTaxRate(), taxRow);
    taxRateLabel->setBuddy(taxRate);
    auto* roundingLabel = new QLabel(T::kTaxRounding(), taxRow);
    roundingLabel->setBuddy(taxRounding);
    taxLayout->addWidget(taxRateLabel);
    taxLayout->addWidget(taxRate);
    taxLayout->addWidget(roundingLabel);
    taxLayout->addWidget(taxRounding);
    taxLayout->addStretch();
    // The rate, the rounding and the grouping in 万 belong to percentages: only with them do
    // such numbers read back.
    auto enableTax = [taxRow, this](bool on) {
        taxRow->setEnabled(on);
        myriadGrouping->setEnabled(on);
    };
    connect(percent, &QCheckBox::toggled, this, enableTax);
    enableTax(settings.Percent);
    auto* digitsRow = new QWidget(this);
    auto* digitsLayout = new QHBoxLayout(digitsRow);
    digitsLayout->setContentsMargins(0, 0, 0, 0);
    auto* digitsLabel = new QLabel(T::kDigits(), digitsRow);
    digitsLabel->setBuddy(digits);
    digitsLayout->addWidget(digitsLabel);
    digitsLayout->addWidget(digits);
    digitsLayout->addStretch();

    unaryPower = new QRadioButton(T::kUnaryPower, this);
    unaryBase = new QRadioButton(T::kUnaryBase, this);
    enterInserts = new QRadioButton(T::kEnterInserts(), this);
    enterComputes = new QRadioButton(T::kEnterComputes(), this);
    // Two independent pairs, grouped before either is checked: until then the four siblings
    // would be one exclusive set, and checking the second pair would clear the first.
    for (auto pair : {std::pair{unaryPower, unaryBase}, std::pair{enterInserts, enterComputes}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }
    (option & B::UnaryMinusBindsBase ? unaryBase : unaryPower)->setChecked(true);
    (option & B::EnterComputesResultLine ? enterComputes : enterInserts)->setChecked(true);

    // Two columns: one of five groups under the other is taller than a laptop's screen.
    auto* left = new QVBoxLayout;
    left->addWidget(Group(T::kLanguageGroup, this, {languageRow}));
    left->addWidget(Group(T::kUntitledGroup(), this, {autoSave, noConfirm}));
    left->addWidget(Group(T::kUnaryGroup(), this, {unaryPower, unaryBase}));
    left->addWidget(Group(T::kEnterGroup(), this, {enterInserts, enterComputes}));
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(
        Group(T::kResultGroup(), this,
              {digitsRow, groupDigits, keepStatusFormat, recalculateOnOpen, livePreview,
               autoRecalculate, completion, undoTypedRuns, totals, units}));
    right->addWidget(Group(T::kPercentGroup(), this, {percent, taxRow, myriadGrouping}));
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
    // Tab goes down the left column, then down the right one.
    QWidget* order[] = {language,
                        autoSave,
                        noConfirm,
                        unaryPower,
                        unaryBase,
                        enterInserts,
                        enterComputes,
                        digits,
                        groupDigits,
                        keepStatusFormat,
                        recalculateOnOpen,
                        livePreview,
                        autoRecalculate,
                        completion,
                        undoTypedRuns,
                        totals,
                        units,
                        percent,
                        taxRate,
                        taxRounding,
                        myriadGrouping};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void CConfigBasic::showEvent(QShowEvent* event) {
    shown_ = true;
    QWidget::showEvent(event);
}

void CConfigBasic::Apply() {
    namespace B = OptionBits;
    uint32_t option = settings_.Option &
                      ~(B::AutoSaveUntitled | B::NoConfirmOnClose | B::EnterComputesResultLine |
                        B::UnaryMinusBindsBase | B::RecalculateOnOpen);
    if (autoSave->isChecked()) option |= B::AutoSaveUntitled;
    if (noConfirm->isChecked()) option |= B::NoConfirmOnClose;
    if (enterComputes->isChecked()) option |= B::EnterComputesResultLine;
    if (unaryBase->isChecked()) option |= B::UnaryMinusBindsBase;
    if (recalculateOnOpen->isChecked()) option |= B::RecalculateOnOpen;
    // Checked: the window writes the format in use at exit, whatever is stored now.
    option = WithStatusFormatSaved(option, keepStatusFormat->isChecked() ? 1 : 0);
    settings_.Option = option;
    settings_.Digits = DigitsFromText(digits->text());
    settings_.LivePreview = livePreview->isChecked();
    settings_.AutoRecalculate = autoRecalculate->isChecked();
    settings_.Completion = completion->isChecked();
    settings_.GroupDigits = groupDigits->isChecked();
    settings_.UndoTypedRuns = undoTypedRuns->isChecked();
    settings_.Totals = totals->isChecked();
    settings_.Units = units->isChecked();
    settings_.Percent = percent->isChecked();
    settings_.TaxRate = taxRate->value();
    settings_.TaxRounding = taxRounding->currentData().toInt();
    settings_.MyriadGrouping = myriadGrouping->isChecked();
    settings_.Language = language->currentData().toString().toStdString();
}

}  // namespace numora
