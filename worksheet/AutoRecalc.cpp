#include "worksheet/AutoRecalc.h"

#include <algorithm>

#include "engine/Cancel.h"
#include "worksheet/LineText.h"

namespace numora {

void RecalcJournal::Invalidate() {
    entries_.clear();
    valid_ = false;
    dirty_ = kNoParagraph;
}

void RecalcJournal::RollBack(CalcEngine& engine, std::int32_t paragraph,
                             std::vector<std::u16string>* takenBack) {
    if (!valid_ || paragraph <= 0) {
        entries_.clear();
        engine.TakeSession();
        valid_ = true;
        return;
    }
    while (!entries_.empty() && entries_.back().paragraph >= paragraph) {
        if (takenBack != nullptr) {
            for (const auto& before : entries_.back().undo.Before)
                takenBack->push_back(before.first);
        }
        engine.TakeBack(entries_.back().undo);
        entries_.pop_back();
    }
}

void RecalcJournal::Record(std::int32_t paragraph, CalcEngine::LineUndo undo) {
    // A line that changed nothing has nothing to take back.
    if (!undo.Stored) return;
    entries_.push_back({paragraph, std::move(undo)});
}

CalcEngine::Session RecalcJournal::StateBefore(const CalcEngine& engine,
                                               std::int32_t paragraph) const {
    CalcEngine::Session session;
    if (!valid_ || paragraph <= 0) return session;
    session.Variables = engine.GetVariables();
    session.LastAnswer = engine.GetLastAnswer();
    session.LastAnswerUnit = engine.GetLastAnswerUnit();
    for (auto it = entries_.rbegin(); it != entries_.rend() && it->paragraph >= paragraph; ++it) {
        const auto& before = it->undo.Before;
        for (std::size_t i = before.size(); i-- > 0;) {
            if (before[i].second) {
                session.Variables.Store(before[i].first, *before[i].second,
                                        it->undo.BeforeUnits[i]);
            } else {
                session.Variables.Remove(before[i].first);
            }
        }
        session.LastAnswer = it->undo.LastAnswer;
        session.LastAnswerUnit = it->undo.LastAnswerUnit;
    }
    return session;
}

namespace {

// The paragraphs of a text, walked without copying it.
class ParagraphWalk {
public:
    explicit ParagraphWalk(std::u16string_view text) : text_(text) { Find(); }
    bool AtEnd() const { return start_ > text_.size(); }
    std::u16string_view Current() const { return text_.substr(start_, end_ - start_); }
    // The paragraph after the current one, empty at the end.
    std::u16string_view Next() const {
        if (end_ >= text_.size()) return {};
        const std::size_t next = end_ + 1;
        const std::size_t nextEnd = std::min(text_.find(u'\n', next), text_.size());
        return text_.substr(next, nextEnd - next);
    }
    bool HasNext() const { return end_ < text_.size(); }
    void Advance() {
        start_ = end_ + 1;
        Find();
    }

private:
    void Find() {
        if (start_ <= text_.size()) end_ = std::min(text_.find(u'\n', start_), text_.size());
    }
    std::u16string_view text_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
};

// A line that shows a result: an expression with a result line right below it (the same test
// Enter makes to replace rather than insert one).
bool ShowsResult(const ParagraphWalk& walk) {
    return walk.HasNext() && walk.Next().starts_with(u'>') &&
           KindOfParagraph(walk.Current(), true) == LineKind::Expression;
}

}  // namespace

ResultPassOutcome CalculateResultLines(std::u16string_view text, std::int32_t firstParagraph,
                                       CalcEngine& engine, RecalcJournal& journal,
                                       const ResultPassOptions& options) {
    ResultPassOutcome outcome;
    std::int32_t total = 0;
    if (options.progress) {
        for (ParagraphWalk walk(text); !walk.AtEnd(); walk.Advance()) {
            if (ShowsResult(walk)) {
                ++total;
                walk.Advance();
            }
        }
    }
    std::int32_t nextReport = 0;
    std::u16string line;
    std::u16string result;
    std::int32_t paragraph = firstParagraph;
    for (ParagraphWalk walk(text); !walk.AtEnd(); walk.Advance(), ++paragraph) {
        if (!ShowsResult(walk)) {
            const bool counted = options.totalsSkipFirst && paragraph == firstParagraph;
            if (options.totals != nullptr && !counted) options.totals->PassedOver(walk.Current());
            continue;
        }
        if (options.cancel && CancelRequested(*options.cancel)) {
            outcome.canceled = true;
            outcome.stoppedAt = paragraph;
            return outcome;
        }
        if (options.progress && outcome.evaluated >= nextReport) {
            options.progress(outcome.evaluated, total);
            nextReport = outcome.evaluated + std::max<std::int32_t>(options.progressEvery, 1);
        }
        line.assign(walk.Current());
        PrepareLineText(line, options.insertMode);
        const TotalsName summary = options.totals != nullptr ? SummaryOf(line) : TotalsName::None;
        std::int32_t position = 0;
        CalcEngine::LineUndo undo;
        const int status = engine.EvaluateRecorded(line, position, undo);
        if (status == kCanceledStatus) {
            outcome.canceled = true;
            outcome.stoppedAt = paragraph;
            return outcome;
        }
        journal.Record(paragraph, std::move(undo));
        ++outcome.evaluated;
        if (status == 0 && !engine.GetAssignTargets().empty()) {
            outcome.assigned.push_back({engine.GetAssignTargets(), engine.GetQuantityText()});
        }
        result.assign(1, u'>');
        result += engine.GetMessageText();
        walk.Advance();
        ++paragraph;
        if (options.totals != nullptr) {
            options.totals->Calculated(summary, status == 0, engine.GetResult(),
                                       engine.GetResultUnit());
        }
        if (options.keep && status == 0) {
            outcome.kept.emplace_back(paragraph,
                                      Quantity{engine.GetResult(), engine.GetResultUnit()});
        }
        if (walk.Current() != result) outcome.updates.push_back({paragraph, result});
    }
    return outcome;
}

}  // namespace numora
