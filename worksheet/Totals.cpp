#include "worksheet/Totals.h"

#include <vector>

#include "engine/CharClass.h"
#include "engine/EngineTexts.h"
#include "engine/ExactArith.h"
#include "engine/NumberLiteral.h"
#include "worksheet/LineText.h"
#include "worksheet/TextBuffer.h"

namespace numora {

namespace {

// Full-width ASCII as the engine reads it, and A-Z lowered.
char16_t Folded(char16_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) c = static_cast<char16_t>(c - 0xFEE0);
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    return c;
}

// Whether `text` reads as `name` (lower-case ASCII or other characters) as the engine reads
// names: full width as ASCII, without case.
bool ReadsAs(std::u16string_view text, std::u16string_view name) {
    if (text.size() != name.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Folded(text[i]) != name[i]) return false;
    }
    return true;
}

bool IsBlankLine(std::u16string_view paragraph) {
    for (const char16_t c : paragraph) {
        if (IsPrintingChar(c)) return false;
    }
    return true;
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A paragraph that the Enter key calculates (the same test the recalculations make).
bool IsExpression(std::u16string_view paragraph) {
    return KindOfParagraph(paragraph, true) == LineKind::Expression;
}

TotalsName SummaryOfParagraph(std::u16string_view paragraph) {
    std::u16string prepared(paragraph);
    PrepareLineText(prepared, true);
    return SummaryOf(prepared);
}

std::u16string ParagraphText(const TextBuffer& buffer, std::int32_t paragraph) {
    return buffer.TextRange(buffer.ParagraphStart(paragraph), ParagraphEndOf(buffer, paragraph));
}

}  // namespace

TotalsName TotalsNameOf(std::u16string_view name) {
    if (ReadsAs(name, u"subtotal") || name == u"\u5C0F\u8A08") return TotalsName::Subtotal;
    if (ReadsAs(name, u"total") || name == u"\u5408\u8A08") return TotalsName::Total;
    if (ReadsAs(name, u"average") || name == u"\u5E73\u5747") return TotalsName::Average;
    return TotalsName::None;
}

TotalsName SummaryOf(std::u16string_view prepared) {
    // Most lines end with a character no name ends with.
    const std::u16string_view end = Trimmed(prepared);
    if (end.empty()) return TotalsName::None;
    const char16_t last = Folded(end.back());
    if (last != u'l' && last != u'e' && last != u'\u8A08' && last != u'\u5747') {
        return TotalsName::None;
    }
    const std::size_t assigned = prepared.find_last_of(u"=\uFF1D");
    if (assigned != std::u16string_view::npos) prepared.remove_prefix(assigned + 1);
    return TotalsNameOf(Trimmed(prepared));
}

bool ReadResultText(std::u16string_view resultLine, Number& value) {
    if (!resultLine.starts_with(u'>')) return false;
    const std::u16string_view text = Trimmed(resultLine.substr(1));
    const bool negative = text.starts_with(u'-');
    const std::size_t first = negative ? 1 : 0;
    if (first >= text.size() || !(IsDigit(text[first]) || text[first] == u'.')) return false;
    std::size_t position = first;
    std::u16string detail;
    if (!ParseNumberLiteral(text, position, value, detail) || position != text.size()) return false;
    if (negative) value = -value;
    return true;
}

void TotalsState::Item(const Number& value) {
    if (blockClosed_) EndBlock();
    if (totalClosed_) {
        totalDone_ = Number(0);
        totalOwn_ = Number(0);
        split_ = count_ > 0;
        totalClosed_ = false;
    }
    AddTo(block_, value);
    ++count_;
    if (split_) AddTo(totalOwn_, value);
}

void TotalsState::EndBlock() {
    if (count_ > 0) AddTo(totalDone_, split_ ? totalOwn_ : block_);
    block_ = Number(0);
    count_ = 0;
    blockClosed_ = false;
    split_ = false;
    totalOwn_ = Number(0);
}

void TotalsState::Blank() { EndBlock(); }

void TotalsState::Summary(TotalsName name) {
    if (name == TotalsName::Subtotal) blockClosed_ = true;
    if (name == TotalsName::Total) totalClosed_ = true;
}

void TotalsState::Calculated(TotalsName summary, bool succeeded, const Number& value) {
    if (summary != TotalsName::None) {
        Summary(summary);
    } else if (succeeded) {
        Item(value);
    }
}

void TotalsState::PassedOver(std::u16string_view paragraph) {
    Number value;
    if (IsBlankLine(paragraph)) {
        Blank();
    } else if (ReadResultText(paragraph, value)) {
        Item(value);
    } else if (IsExpression(paragraph)) {
        Summary(SummaryOfParagraph(paragraph));
    }
}

NameSource::Found TotalsState::Value(TotalsName name, Number& value,
                                     std::u16string& message) const {
    switch (name) {
        case TotalsName::Subtotal:
            value = block_;
            return NameSource::Found::Value;
        case TotalsName::Total:
            value = totalDone_;
            if (count_ > 0) AddTo(value, split_ ? totalOwn_ : block_);
            return NameSource::Found::Value;
        case TotalsName::Average:
            if (count_ == 0) {
                message = texts::kDivisionByZero;
                return NameSource::Found::Failed;
            }
            value = Divide(block_, Number(count_));
            return NameSource::Found::Value;
        case TotalsName::None:
            break;
    }
    return NameSource::Found::No;
}

TotalsState TotalsAbove(const TextBuffer& buffer, std::int32_t paragraph, TotalsUse use) {
    // Walked upwards only as far as the sums reach, then gone through downwards as a
    // recalculation from the top goes through it, so that a sum is the same to the last digit
    // however it was reached. A summary line met before any item is the one that closed the sum
    // still meant; met after one, it ends the sum.
    struct Event {
        enum { Item, Blank, Summary } kind;
        TotalsName summary = TotalsName::None;
        Number value{0};
    };
    std::vector<Event> events;
    struct Reach {
        bool open = true;
        bool counted = false;  // an item on the way
        void Summary() { open = !counted; }
    };
    Reach block{use.block};
    Reach total{use.total};
    for (std::int32_t q = paragraph - 1; q >= 0 && (block.open || total.open); --q) {
        const std::u16string text = ParagraphText(buffer, q);
        if (IsBlankLine(text)) {
            events.push_back({Event::Blank});
            block.open = false;
            continue;
        }
        TotalsName summary = TotalsName::None;
        Number value;
        bool item = false;
        if (text.starts_with(u'>')) {
            const std::u16string above = q > 0 ? ParagraphText(buffer, q - 1) : std::u16string();
            if (q > 0 && IsExpression(above)) {
                // The line that wrote this result: its value is kept while the text holds.
                summary = SummaryOfParagraph(above);
                if (summary == TotalsName::None) {
                    const KeptResult* kept = buffer.KeptResultAt(q);
                    if (kept != nullptr && kept->text == text) {
                        value = kept->value;
                        item = true;
                    } else {
                        item = ReadResultText(text, value);
                    }
                }
                --q;
            } else {
                item = ReadResultText(text, value);
            }
        } else if (IsExpression(text)) {
            summary = SummaryOfParagraph(text);
        }
        if (item) {
            events.push_back({Event::Item, TotalsName::None, value});
            block.counted = true;
            total.counted = true;
        } else if (summary != TotalsName::None) {
            events.push_back({Event::Summary, summary});
            if (summary == TotalsName::Subtotal && block.open) block.Summary();
            if (summary == TotalsName::Total && total.open) total.Summary();
        }
    }
    TotalsState state;
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        switch (it->kind) {
            case Event::Item:
                state.Item(it->value);
                break;
            case Event::Blank:
                state.Blank();
                break;
            case Event::Summary:
                state.Summary(it->summary);
                break;
        }
    }
    return state;
}

TotalsUse LineTotals::UseBy(std::u16string_view text) const {
    // One pass over what may be a whole worksheet: only a 't', an 'a' or a kanji of the names
    // is looked at twice.
    const auto add = [](TotalsUse& use, std::u16string_view text) {
        for (std::size_t at = 0; at < text.size(); ++at) {
            const char16_t c = text[at];
            if (c < 0x80) {
                if ((c | 0x20) != u't' && (c | 0x20) != u'a') continue;
            } else if (c == u'\u5C0F' || c == u'\u5E73' || c == u'\u5408') {
                const std::u16string_view pair = text.substr(at, 2);
                if (pair == u"\u5C0F\u8A08" || pair == u"\u5E73\u5747") use.block = true;
                if (pair == u"\u5408\u8A08") use.total = true;
                continue;
            } else if (c < 0xFF01 || c > 0xFF5E) {
                continue;
            }
            const char16_t folded = Folded(c);
            if (folded == u't' && ReadsAs(text.substr(at, 5), u"total")) {
                const bool sub = at >= 3 && ReadsAs(text.substr(at - 3, 3), u"sub");
                (sub ? use.block : use.total) = true;
            } else if (folded == u'a' && ReadsAs(text.substr(at, 7), u"average")) {
                use.block = true;
            }
        }
    };
    TotalsUse use;
    add(use, text);
    for (const auto& entry : functions_.Entries()) add(use, entry.second.Expression);
    return use;
}

void LineTotals::Locate(const TextBuffer& buffer, std::int32_t paragraph,
                        std::u16string_view line) {
    const TotalsUse use = UseBy(line);
    if (!use.Any()) {
        state_ = nullptr;
        return;
    }
    located_ = TotalsAbove(buffer, paragraph, use);
    state_ = &located_;
}

void LineTotals::Follow(const TextBuffer& buffer, std::int32_t paragraph,
                        std::u16string_view line) {
    if (paragraph < next_) {
        running_ = TotalsAbove(buffer, paragraph);  // not a pass downwards after all
    } else {
        // The paragraphs passed over since the last line: blank lines, comments, result lines
        // that no line wrote.
        for (std::int32_t p = next_; p < paragraph; ++p)
            running_.PassedOver(ParagraphText(buffer, p));
    }
    next_ = paragraph + 1;
    summary_ = SummaryOf(line);
    state_ = &running_;
}

void LineTotals::Followed(std::int32_t resultParagraph, bool succeeded, const Number& value) {
    running_.Calculated(summary_, succeeded, value);
    next_ = resultParagraph + 1;
}

NameSource::Found LineTotals::Find(std::u16string_view lowerName, Number& value,
                                   std::u16string& message) {
    const TotalsName name = TotalsNameOf(lowerName);
    if (name == TotalsName::None || state_ == nullptr) return Found::No;
    if (functions_.Size() != 0 && functions_.Find(std::u16string(lowerName)) >= 0) {
        return Found::No;
    }
    return state_->Value(name, value, message);
}

void KeepResult(TextBuffer& buffer, std::int32_t paragraph, const Number* value) {
    if (value == nullptr) {
        buffer.KeepResult(paragraph, nullptr);
        return;
    }
    buffer.KeepResult(paragraph, std::make_shared<const KeptResult>(
                                     KeptResult{ParagraphText(buffer, paragraph), *value}));
}

}  // namespace numora
