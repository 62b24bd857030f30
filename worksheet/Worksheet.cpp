#include "worksheet/Worksheet.h"

#include <algorithm>

#include "engine/Cancel.h"
#include "engine/EngineTexts.h"
#include "worksheet/LineText.h"

namespace numora {

namespace {
const std::u16string kCanceledText(texts::kCalculationCanceled);
}  // namespace

// Hands each line to the worker and waits there; the driver stays synchronous.
class Worksheet::WorkerEvaluator final : public LineEvaluator {
public:
    explicit WorkerEvaluator(Worksheet& sheet) : sheet_(sheet) {}

    void Locate(const TextBuffer& buffer, std::int32_t paragraphStart,
                std::u16string_view line) override {
        if (!sheet_.totalsOn_) return;
        paragraph_ = buffer.ParagraphOf(paragraphStart);
        // Under automatic recalculation the Enter's pass carries the sums itself.
        if (!sheet_.enter_) sheet_.totals_.Locate(buffer, paragraph_, line);
    }
    void Written(TextBuffer& buffer, int status) override {
        if (!sheet_.totalsOn_) return;
        KeepResult(buffer, paragraph_ + 1, status == 0 ? &sheet_.engine_.GetResult() : nullptr,
                   &sheet_.engine_.GetResultUnit());
    }
    int Evaluate(std::u16string& line, std::int32_t& position) override {
        sheet_.message_ = nullptr;
        if (sheet_.enter_) return sheet_.EvaluateEnterLine(line, position);
        int status = 0;
        sheet_.Run([&] { status = sheet_.engine_.Evaluate(line, position); });
        return status;
    }
    const std::u16string& MessageText() const override {
        return sheet_.message_ ? *sheet_.message_ : sheet_.engine_.GetMessageText();
    }

private:
    Worksheet& sheet_;
    std::int32_t paragraph_ = 0;  // of the line located
};

Worksheet::Worksheet(TextBuffer& text, const UserFunctionCatalogue& functions)
    : text_(text),
      engine_(functions),
      evaluator_(std::make_unique<WorkerEvaluator>(*this)),
      driver_(text, *evaluator_),
      totals_(functions) {
    // Under automatic recalculation the Enter is over only when the lines below are updated.
    driver_.SetCalculatedHandler([this] {
        if (!enter_ && onCalculated_) onCalculated_();
    });
    text_.SetEditListener([this](std::int32_t paragraph) { journal_.NoteEdit(paragraph); });
}

Worksheet::~Worksheet() {
    Cancel();
    text_.SetEditListener(nullptr);
}

void Worksheet::Run(const std::function<void()>& job) {
    ClearCancel(engine_.Cancel());
    calculating_ = true;
    worker_.Start(job);
    if (wait_ != nullptr) {
        wait_->WaitForLine(worker_);
    } else {
        worker_.Wait();
    }
    calculating_ = false;
    ++generation_;
    ClearCancel(engine_.Cancel());
}

void Worksheet::SetAutoRecalculate(bool on) {
    if (on == auto_) return;
    auto_ = on;
    journal_.Invalidate();
}

void Worksheet::SetTotals(bool on) {
    totalsOn_ = on;
    engine_.SetNameSource(on ? &totals_ : nullptr);
    totals_.Use(nullptr);
}

void Worksheet::StartTotals(std::int32_t from, std::u16string_view text,
                            ResultPassOptions& options) {
    passTotalsUsed_ = false;
    totals_.Use(nullptr);
    if (!totalsOn_) return;
    options.keep = true;
    if (!totals_.MayBeUsedBy(text)) return;
    // A pass that starts on a result line written by the line above it (edited since) counts
    // that line as the lines above do.
    const auto paragraphText = [this](std::int32_t p) {
        return text_.TextRange(text_.ParagraphStart(p), ParagraphEndOf(text_, p));
    };
    options.totalsSkipFirst =
        from > 0 && paragraphText(from).starts_with(u'>') &&
        KindOfParagraph(paragraphText(from - 1), true) == LineKind::Expression;
    passTotals_ = TotalsAbove(text_, options.totalsSkipFirst ? from + 1 : from, {true, true},
                              engine_.GetOptions().Units);
    passTotalsUsed_ = true;
    options.totals = &passTotals_;
    totals_.Use(&passTotals_);
}

void Worksheet::KeepValues(const std::vector<std::pair<std::int32_t, Quantity>>& kept) {
    for (const auto& [paragraph, value] : kept)
        KeepResult(text_, paragraph, &value.Value, &value.Of);
}

ResultPassOptions Worksheet::PassOptions(bool progress) {
    ResultPassOptions options;
    options.insertMode = IsInsertMode(driver_.EnterComputesResultLine(), false);
    options.cancel = &engine_.Cancel();
    if (progress) options.progress = onProgress_;
    return options;
}

CalcEngine::Session Worksheet::StateForLine(std::int32_t paragraph) const {
    if (!auto_) {
        return {engine_.GetVariables(),
                engine_.GetLastAnswer(),
                Number(0),
                {},
                engine_.GetLastAnswerUnit(),
                {}};
    }
    if (!JournalCurrent()) return {};
    return journal_.StateBefore(engine_, journal_.StartFor(paragraph));
}

void Worksheet::PressEnter(bool shift, bool ctrl) {
    if (!auto_ || ctrl || !driver_.CalcOn() || calculating_) {
        driver_.PressEnter(shift, ctrl);
        return;
    }
    enter_ = AutoEnter{};
    enter_->paragraph = text_.ParagraphOf(text_.CaretLineStart());
    // One undo step for the Enter and every result line it brings up to date.
    driver_.BeginEditGroup();
    driver_.SetReplacing(true);
    driver_.PressEnter(shift, ctrl);
    driver_.SetReplacing(false);
    AutoEnter enter = std::move(*enter_);
    enter_.reset();
    if (!enter.evaluated) {
        driver_.EndEditGroup();
        return;
    }
    if (enter.canceled) {
        totals_.Use(nullptr);
        passTotalsUsed_ = false;
        ApplyUpdates({}, enter.above);
        KeepValues(enter.aboveKept);
        driver_.EndEditGroup();
        journal_.MarkCalculated(enter.stoppedAt);
        journalGeneration_ = generation_;
        if (onResultsEnded_) onResultsEnded_(true);
        return;
    }
    // After the Enter's line and the result line it has now.
    const std::int32_t first = enter.paragraph + 2;
    std::u16string below;
    if (first < text_.ParagraphCount()) {
        below = text_.TextRange(text_.ParagraphStart(first), text_.TextLength());
    }
    ResultPassOutcome outcome;
    ResultPassOptions options = PassOptions(true);
    if (totalsOn_) options.keep = true;
    if (passTotalsUsed_) {
        options.totals = &passTotals_;
        totals_.Use(&passTotals_);
    }
    Run([&] {
        if (!below.empty())
            outcome = CalculateResultLines(below, first, engine_, journal_, options);
        engine_.ShowResult(enter.result, std::move(enter.valueText));
    });
    totals_.Use(nullptr);
    passTotalsUsed_ = false;
    ApplyUpdates(outcome.updates, enter.above);
    KeepValues(enter.aboveKept);
    KeepValues(outcome.kept);
    driver_.EndEditGroup();
    assigned_.insert(assigned_.end(), std::make_move_iterator(outcome.assigned.begin()),
                     std::make_move_iterator(outcome.assigned.end()));
    PassEnded(outcome);
}

int Worksheet::EvaluateEnterLine(std::u16string& line, std::int32_t& position) {
    AutoEnter& enter = *enter_;
    enter.evaluated = true;
    const std::int32_t paragraph = enter.paragraph;
    const std::int32_t from = JournalCurrent() ? journal_.StartFor(paragraph) : 0;
    assignedFromTop_ = from == 0;
    assigned_.clear();
    takenBack_.clear();
    // The lines above that changed since they were calculated come first.
    std::u16string above;
    if (from < paragraph) {
        above = text_.TextRange(text_.ParagraphStart(from), text_.ParagraphStart(paragraph) - 1);
    }
    ResultPassOptions options = PassOptions(false);
    if (totalsOn_) {
        StartTotals(from, text_.TextRange(text_.ParagraphStart(from), text_.TextLength()), options);
    }
    // A line that fails leaves the status bar showing what it showed.
    enter.result = engine_.GetResult();
    enter.valueText = engine_.GetValueText();
    int status = 0;
    Run([&] {
        journal_.RollBack(engine_, from, &takenBack_);
        ResultPassOutcome before;
        if (!above.empty()) before = CalculateResultLines(above, from, engine_, journal_, options);
        enter.above = std::move(before.updates);
        enter.aboveKept = std::move(before.kept);
        assigned_ = std::move(before.assigned);
        if (before.canceled) {
            enter.stoppedAt = before.stoppedAt;
            status = kCanceledStatus;
            return;
        }
        enter.stoppedAt = paragraph;
        CalcEngine::LineUndo undo;
        const TotalsName summary = passTotalsUsed_ ? SummaryOf(line) : TotalsName::None;
        status = engine_.EvaluateRecorded(line, position, undo);
        if (passTotalsUsed_) {
            passTotals_.Calculated(summary, status == 0, engine_.GetResult(),
                                   engine_.GetResultUnit());
        }
        journal_.Record(paragraph, std::move(undo));
        if (status == 0 && !engine_.GetAssignTargets().empty()) {
            assigned_.push_back({engine_.GetAssignTargets(), engine_.GetQuantityText()});
        }
        if (status == 0) {
            enter.result = engine_.GetResult();
            enter.valueText = engine_.GetValueText();
        }
    });
    if (status == kCanceledStatus) {
        enter.canceled = true;
        message_ = &kCanceledText;
    }
    return status;
}

void Worksheet::ApplyUpdates(const std::vector<ResultUpdate>& below,
                             const std::vector<ResultUpdate>& above) {
    if (below.empty() && above.empty()) return;
    const TextSelection selection = text_.GetSelection();
    const auto where = [this](std::int32_t position) {
        const std::int32_t paragraph = text_.ParagraphOf(position);
        return std::pair{paragraph, position - text_.ParagraphStart(paragraph)};
    };
    const auto [startParagraph, startColumn] = where(selection.start);
    const auto [endParagraph, endColumn] = where(selection.end);
    const auto rewrite = [this](const ResultUpdate& update) {
        text_.ReplaceRange(text_.ParagraphStart(update.paragraph),
                           ParagraphEndOf(text_, update.paragraph), update.text);
    };
    std::for_each(below.rbegin(), below.rend(), rewrite);
    std::for_each(above.rbegin(), above.rend(), rewrite);
    text_.SetSelection(text_.ParagraphStart(startParagraph) + startColumn,
                       text_.ParagraphStart(endParagraph) + endColumn);
}

void Worksheet::PassEnded(const ResultPassOutcome& outcome) {
    // The edits just made are the journal's own.
    journal_.MarkCalculated(outcome.canceled ? outcome.stoppedAt : kNoParagraph);
    journalGeneration_ = generation_;
    if (onResultsEnded_) onResultsEnded_(outcome.canceled);
    if (onCalculated_) onCalculated_();
}

bool Worksheet::RecalculateResults() {
    if (calculating_) return false;
    const std::u16string text = text_.TextRange(0, text_.TextLength());
    ResultPassOptions options = PassOptions(true);
    StartTotals(0, text, options);
    ResultPassOutcome outcome;
    Run([&] {
        journal_.RollBack(engine_, 0);
        outcome = CalculateResultLines(text, 0, engine_, journal_, options);
    });
    totals_.Use(nullptr);
    passTotalsUsed_ = false;
    assigned_ = std::move(outcome.assigned);
    assignedFromTop_ = true;
    takenBack_.clear();
    driver_.BeginEditGroup();
    ApplyUpdates(outcome.updates, {});
    KeepValues(outcome.kept);
    driver_.EndEditGroup();
    PassEnded(outcome);
    return !outcome.canceled;
}

}  // namespace numora
