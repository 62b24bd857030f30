#include "worksheet/Recalculate.h"

#include <algorithm>

#include "engine/Cancel.h"
#include "worksheet/LineText.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Totals.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {

namespace {

// CR LF and lone CR become LF, in place.
void UseLineFeeds(std::u16string& text) {
    std::size_t out = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r') {
            text[out++] = text[i];
        } else {
            text[out++] = u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        }
    }
    text.resize(out);
}

// Counts the outcomes on their way through to the real evaluator.
class CountingEvaluator final : public LineEvaluator {
public:
    explicit CountingEvaluator(LineEvaluator& inner) : inner_(inner) {}
    void Locate(const TextBuffer& buffer, std::int32_t paragraphStart,
                std::u16string_view line) override {
        inner_.Locate(buffer, paragraphStart, line);
    }
    void Written(TextBuffer& buffer, int status) override { inner_.Written(buffer, status); }
    int Evaluate(std::u16string& line, std::int32_t& position) override {
        const int status = inner_.Evaluate(line, position);
        ++evaluated;
        if (status != 0) ++failed;
        last = status;
        return status;
    }
    const std::u16string& MessageText() const override { return inner_.MessageText(); }

    std::int32_t evaluated = 0;
    std::int32_t failed = 0;
    int last = 0;  // the status of the last line

private:
    LineEvaluator& inner_;
};

}  // namespace

RecalcOutcome RecalculateWorksheet(std::u16string text, LineEvaluator& evaluator,
                                   const RecalcOptions& options) {
    UseLineFeeds(text);
    // A stop keeps the lines done and the rest as it was: the rest is read from the old text,
    // kept only where a stop can come.
    std::u16string old;
    if (options.cancel) old = text;
    MemoryTextBuffer buffer;
    buffer.SetUndoHistory(false);
    buffer.ResetText(std::move(text));
    CountingEvaluator counting(evaluator);
    WorksheetDriver driver(buffer, counting);
    driver.SetEnterComputesResultLine(options.enterComputesResultLine);
    const bool insertMode = IsInsertMode(options.enterComputesResultLine, false);

    const auto kindOf = [&](std::int32_t paragraph) {
        return KindOfParagraph(
            buffer.TextRange(buffer.ParagraphStart(paragraph), ParagraphEndOf(buffer, paragraph)),
            insertMode);
    };
    // What the progress counts: the lines to calculate as the text stands, not its paragraphs,
    // which grow as result lines go in.
    std::int32_t total = 0;
    if (options.progress) {
        for (std::int32_t paragraph = 0; paragraph < buffer.ParagraphCount(); ++paragraph) {
            if (kindOf(paragraph) == LineKind::Expression) ++total;
        }
    }
    std::int32_t done = 0;
    std::int32_t nextReport = 0;
    std::int32_t nextPiece = std::max<std::int32_t>(options.piecesEvery, 1);
    std::int32_t pieceFrom = 0;
    std::int32_t paragraph = 0;
    std::int32_t added = 0;  // the result lines put in so far
    // The worksheet with the lines above `at` recalculated and the rest as it was.
    const auto stopped = [&](std::int32_t at) {
        std::size_t from = 0;
        for (std::int32_t p = 0; p < at - added && from <= old.size(); ++p) {
            from = std::min(old.find(u'\n', from), old.size()) + 1;
        }
        std::u16string done = buffer.TextRange(0, buffer.ParagraphStart(at));
        if (from <= old.size()) done.append(old, from);
        RecalcOutcome outcome;
        outcome.text = std::move(done);
        outcome.evaluated = counting.evaluated;
        outcome.failed = counting.failed;
        outcome.canceled = true;
        outcome.stoppedAt = at;
        return outcome;
    };
    while (paragraph < buffer.ParagraphCount()) {
        if (kindOf(paragraph) != LineKind::Expression) {
            ++paragraph;
            continue;
        }
        if (options.cancel && CancelRequested(*options.cancel)) return stopped(paragraph);
        if (options.progress && done >= nextReport) {
            options.progress(std::min(done, total), total);
            nextReport = done + std::max<std::int32_t>(options.progressEvery, 1);
        }
        buffer.SetSelection(buffer.ParagraphStart(paragraph), buffer.ParagraphStart(paragraph));
        const std::int32_t paragraphs = buffer.ParagraphCount();
        counting.last = 0;
        driver.PressEnter(false, false);
        ++done;
        // A line stopped by the token is no result of the worksheet's; one that ended before the
        // stop came is done, with what it stored in the engine, and the stop comes at the next.
        if (options.cancel && counting.last == kCanceledStatus) return stopped(paragraph);
        added += buffer.ParagraphCount() - paragraphs;
        // The result line now sits directly below; carry on after it.
        paragraph += 2;
        if (options.piece && done >= nextPiece && paragraph < buffer.ParagraphCount()) {
            const std::int32_t pieceTo = buffer.ParagraphStart(paragraph);
            options.piece(buffer.TextRange(pieceFrom, pieceTo));
            pieceFrom = pieceTo;
            nextPiece = done + std::max<std::int32_t>(options.piecesEvery, 1);
        }
    }
    RecalcOutcome outcome;
    outcome.evaluated = counting.evaluated;
    outcome.failed = counting.failed;
    if (options.totals && options.keepValues) {
        for (std::int32_t p = 0; p < buffer.ParagraphCount(); ++p) {
            if (const KeptResult* kept = buffer.KeptResultAt(p))
                outcome.kept.emplace_back(p, Quantity{kept->value, kept->unit});
        }
    }
    outcome.text = buffer.TakeText();
    return outcome;
}

}  // namespace numora
