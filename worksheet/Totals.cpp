#include "worksheet/Totals.h"

#include <vector>

#include "engine/CharClass.h"
#include "engine/EngineTexts.h"
#include "engine/ExactArith.h"
#include "engine/MyriadNumeral.h"
#include "engine/UnitReader.h"
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

bool ReadResultText(std::u16string_view resultLine, Number& value, Unit* unit) {
    if (!resultLine.starts_with(u'>')) return false;
    const std::u16string_view text = Trimmed(resultLine.substr(1));
    const bool negative = text.starts_with(u'-');
    const std::size_t first = negative ? 1 : 0;
    if (first >= text.size() || !(IsDigit(text[first]) || text[first] == u'.')) return false;
    std::size_t position = first;
    std::u16string detail;
    // Results written in 万 and 億 ("1億2345万6789") read as the numbers they are.
    if (!ParseMyriadNumeral(text, position, value, detail)) return false;
    if (unit != nullptr) {
        unit->Terms.clear();
        std::size_t bracket = position;
        SkipBlanks(text, bracket);
        if (bracket < text.size() && text[bracket] == u'[') {
            position = bracket;
            if (!ReadUnitBracket(text, position, *unit, detail)) return false;
        }
    }
    if (position != text.size()) return false;
    if (negative) value = -value;
    return true;
}

namespace {

// sum += value in the sum's unit; the first item of a sum gives it its unit. A mismatch stays.
void AddItem(Number& sum, Unit& sumUnit, std::u16string& error, bool first, const Number& value,
             const Unit& unit) {
    if (first) {
        sum = value;
        sumUnit = unit;
        error.clear();
        return;
    }
    if (!error.empty()) return;
    if (sumUnit.Empty() && unit.Empty()) {
        AddTo(sum, value);
    } else {
        AddQuantity(sum, sumUnit, value, unit, false, error);
    }
}

}  // namespace

void TotalsState::Item(const Number& value, const Unit& unit) {
    if (blockClosed_) EndBlock();
    if (totalClosed_) {
        totalDone_ = Number(0);
        totalOwn_ = Number(0);
        split_ = count_ > 0;
        totalClosed_ = false;
        doneUnit_.Terms.clear();
        doneError_.clear();
        ownCount_ = 0;
        doneCount_ = 0;
    }
    if (!units_) {
        AddTo(block_, value);
        ++count_;
        if (split_) AddTo(totalOwn_, value);
        return;
    }
    AddItem(block_, blockUnit_, blockError_, count_ == 0, value, unit);
    ++count_;
    if (split_) AddItem(totalOwn_, ownUnit_, ownError_, ownCount_++ == 0, value, unit);
}

void TotalsState::EndBlock() {
    if (count_ > 0) {
        if (!units_) {
            AddTo(totalDone_, split_ ? totalOwn_ : block_);
        } else {
            const Number& part = split_ ? totalOwn_ : block_;
            AddItem(totalDone_, doneUnit_, doneError_, doneCount_++ == 0, part,
                    split_ ? ownUnit_ : blockUnit_);
            const std::u16string& partError = split_ ? ownError_ : blockError_;
            if (doneError_.empty() && !partError.empty()) doneError_ = partError;
        }
    }
    block_ = Number(0);
    count_ = 0;
    blockClosed_ = false;
    split_ = false;
    totalOwn_ = Number(0);
    blockUnit_.Terms.clear();
    ownUnit_.Terms.clear();
    blockError_.clear();
    ownError_.clear();
    ownCount_ = 0;
}

void TotalsState::Blank() { EndBlock(); }

void TotalsState::Summary(TotalsName name) {
    if (name == TotalsName::Subtotal) blockClosed_ = true;
    if (name == TotalsName::Total) totalClosed_ = true;
}

void TotalsState::Calculated(TotalsName summary, bool succeeded, const Number& value,
                             const Unit& unit) {
    if (summary != TotalsName::None) {
        Summary(summary);
    } else if (succeeded) {
        Item(value, unit);
    }
}

void TotalsState::PassedOver(std::u16string_view paragraph) {
    Number value;
    Unit unit;
    if (IsBlankLine(paragraph)) {
        Blank();
    } else if (ReadResultText(paragraph, value, units_ ? &unit : nullptr)) {
        Item(value, unit);
    } else if (IsExpression(paragraph)) {
        Summary(SummaryOfParagraph(paragraph));
    }
}

NameSource::Found TotalsState::Value(TotalsName name, Number& value,
                                     std::u16string& message) const {
    valueUnit_.Terms.clear();
    const auto failed = [&](const std::u16string& error) {
        if (error.empty()) return false;
        message = error;
        return true;
    };
    switch (name) {
        case TotalsName::Subtotal:
            if (failed(blockError_)) return NameSource::Found::Failed;
            value = block_;
            valueUnit_ = blockUnit_;
            return NameSource::Found::Value;
        case TotalsName::Total:
            if (!units_) {
                value = totalDone_;
                if (count_ > 0) AddTo(value, split_ ? totalOwn_ : block_);
                return NameSource::Found::Value;
            }
            {
                value = totalDone_;
                valueUnit_ = doneUnit_;
                std::u16string error = doneError_;
                if (count_ > 0) {
                    const std::u16string& partError = split_ ? ownError_ : blockError_;
                    AddItem(value, valueUnit_, error, doneCount_ == 0, split_ ? totalOwn_ : block_,
                            split_ ? ownUnit_ : blockUnit_);
                    if (error.empty()) error = partError;
                }
                if (failed(error)) return NameSource::Found::Failed;
            }
            return NameSource::Found::Value;
        case TotalsName::Average:
            if (count_ == 0) {
                message = texts::kDivisionByZero;
                return NameSource::Found::Failed;
            }
            if (failed(blockError_)) return NameSource::Found::Failed;
            value = Divide(block_, Number(count_));
            valueUnit_ = blockUnit_;
            return NameSource::Found::Value;
        case TotalsName::None:
            break;
    }
    return NameSource::Found::No;
}

TotalsState TotalsAbove(const TextBuffer& buffer, std::int32_t paragraph, TotalsUse use,
                        bool units) {
    // Walked upwards only as far as the sums reach, then gone through downwards as a
    // recalculation from the top goes through it, so that a sum is the same to the last digit
    // however it was reached. A summary line met before any item is the one that closed the sum
    // still meant; met after one, it ends the sum.
    struct Event {
        enum { Item, Blank, Summary } kind;
        TotalsName summary = TotalsName::None;
        Number value{0};
        Unit unit{};
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
        Unit unit;
        Unit* readUnit = units ? &unit : nullptr;
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
                        if (units) unit = kept->unit;
                        item = true;
                    } else {
                        item = ReadResultText(text, value, readUnit);
                    }
                }
                --q;
            } else {
                item = ReadResultText(text, value, readUnit);
            }
        } else if (IsExpression(text)) {
            summary = SummaryOfParagraph(text);
        }
        if (item) {
            events.push_back({Event::Item, TotalsName::None, value, std::move(unit)});
            block.counted = true;
            total.counted = true;
        } else if (summary != TotalsName::None) {
            events.push_back({Event::Summary, summary});
            if (summary == TotalsName::Subtotal && block.open) block.Summary();
            if (summary == TotalsName::Total && total.open) total.Summary();
        }
    }
    TotalsState state(units);
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        switch (it->kind) {
            case Event::Item:
                state.Item(it->value, it->unit);
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
    located_ = TotalsAbove(buffer, paragraph, use, units_);
    state_ = &located_;
}

void LineTotals::Follow(const TextBuffer& buffer, std::int32_t paragraph,
                        std::u16string_view line) {
    if (paragraph < next_) {
        running_ = TotalsAbove(buffer, paragraph, {true, true}, units_);  // not a pass downwards
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

void LineTotals::Followed(std::int32_t resultParagraph, bool succeeded, const Number& value,
                          const Unit& unit) {
    running_.Calculated(summary_, succeeded, value, unit);
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

const Unit* LineTotals::FoundUnit() const {
    return state_ != nullptr ? &state_->ValueUnit() : nullptr;
}

void KeepResult(TextBuffer& buffer, std::int32_t paragraph, const Number* value, const Unit* unit) {
    if (value == nullptr) {
        buffer.KeepResult(paragraph, nullptr);
        return;
    }
    buffer.KeepResult(paragraph, std::make_shared<const KeptResult>(
                                     KeptResult{ParagraphText(buffer, paragraph), *value,
                                                unit != nullptr ? *unit : Unit{}}));
}

}  // namespace numora
