#pragma once
// Totals: the names subtotal, total and average (小計, 合計, 平均) stand for sums of the results
// above the line that uses them. A line holding one of them alone after its assignment targets is
// a summary line; every other line with a result is an item. subtotal adds the items back to the
// nearest blank line or subtotal line, average is their mean, and total adds the items back to
// the nearest total line. The worksheet, which knows the lines, supplies the values; the engine
// only asks for them as for any name no variable holds.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/NameSource.h"
#include "engine/Number.h"
#include "engine/Quantity.h"
#include "engine/UserFunctions.h"

namespace numora {

class TextBuffer;

enum class TotalsName { None, Subtotal, Total, Average };

// The totals name `name` is, whatever the case of its letters.
TotalsName TotalsNameOf(std::u16string_view name);

// The totals name a prepared line (a paragraph without its comment) holds alone after its
// assignment targets: "subtotal", "food = 小計". None for every other line.
TotalsName SummaryOf(std::u16string_view prepared);

// A result line's text ("1,234.5" or "1億2345万6789" after its '>') read as a number; false for
// an error message or any other text. With `unit`, a quantity's text ("157.48 [cm]") is read too.
bool ReadResultText(std::u16string_view resultLine, Number& value, Unit* unit = nullptr);

// A result line's full value, kept beside the text it was written with: it counts only while the
// line still reads so, and it is never saved.
struct KeptResult {
    std::u16string text;  // the whole paragraph, '>' included
    Number value;
    Unit unit;
};

// The sums at one point of a worksheet, carried line by line from the top down. A summary line
// closes its sum: until the next item starts a new one, the name still means the sum it closed,
// so that "tax = subtotal*0.08" below a subtotal line takes that subtotal. With units, the sums
// are quantities in the unit of their first item; an item of another dimension spoils the sum,
// which then fails with the mismatch.
class TotalsState {
public:
    explicit TotalsState(bool units = false) : units_(units) {}
    void Item(const Number& value, const Unit& unit = {});
    // A blank line ends the block of subtotal and average: below it they start from nothing.
    void Blank();
    void Summary(TotalsName name);
    // A line just calculated; `summary` is SummaryOf its prepared text.
    void Calculated(TotalsName summary, bool succeeded, const Number& value, const Unit& unit = {});
    // A paragraph passed over uncalculated: a blank line, a result line that no line above wrote
    // (read from its text), a summary line without a result, or nothing that counts.
    void PassedOver(std::u16string_view paragraph);
    NameSource::Found Value(TotalsName name, Number& value, std::u16string& message) const;
    // The unit of the value Value gave last; empty for a bare number.
    const Unit& ValueUnit() const { return valueUnit_; }

private:
    // The block ends: its part of the total joins the parts before it. The total is added up a
    // block at a time, so that an item costs one addition.
    void EndBlock();

    Number block_{0};
    std::int64_t count_ = 0;
    bool blockClosed_ = false;  // by a subtotal line: the next item starts a new block
    Number totalDone_{0};       // the parts of the total in the blocks that ended
    Number totalOwn_{0};        // in this block, since the total started again inside it
    bool split_ = false;        // the total started again inside this block
    bool totalClosed_ = false;  // by a total line
    // Units: each sum's unit, and the first mismatch met, which the sum keeps failing with.
    bool units_ = false;
    Unit blockUnit_, doneUnit_, ownUnit_;
    std::int64_t ownCount_ = 0, doneCount_ = 0;
    std::u16string blockError_, doneError_, ownError_;
    mutable Unit valueUnit_;
};

// Which of the sums a text may ask for: subtotal and average share the block.
struct TotalsUse {
    bool block = false;
    bool total = false;
    bool Any() const { return block || total; }
};

// What the sums are just before paragraph `paragraph` of `buffer`, read from the lines above it,
// with the values kept beside their result lines where the texts still hold. Only the sums in
// `use` are read (a total may reach back to the top of the worksheet; a subtotal, its block).
TotalsState TotalsAbove(const TextBuffer& buffer, std::int32_t paragraph,
                        TotalsUse use = {true, true}, bool units = false);

// The totals names for one engine's lines: its NameSource. A variable of the same name comes
// first (the engine asks only after its variables), and a user function of the same name keeps
// the name from being a total.
class LineTotals final : public NameSource {
public:
    explicit LineTotals(const UserFunctionCatalogue& functions) : functions_(functions) {}

    // The sums `text` (or a user function it may call) may ask for; none needs reading above
    // a line that asks for none.
    TotalsUse UseBy(std::u16string_view text) const;
    bool MayBeUsedBy(std::u16string_view text) const { return UseBy(text).Any(); }
    // Before a line of `buffer` at `paragraph`: the sums of the lines above it that it may ask
    // for. The caller's thread owns the buffer.
    void Locate(const TextBuffer& buffer, std::int32_t paragraph, std::u16string_view line);
    // As Locate, for lines calculated from the top down in one pass over a buffer that changes
    // only by their result lines (a batch recalculation): the sums are carried from line to line
    // (Followed after each) instead of read again above each one.
    void Follow(const TextBuffer& buffer, std::int32_t paragraph, std::u16string_view line);
    void Followed(std::int32_t resultParagraph, bool succeeded, const Number& value,
                  const Unit& unit = {});
    // Result lines are read with their units ("5 [km]") while units are on.
    void SetUnits(bool on) {
        if (on == units_) return;
        units_ = on;
        located_ = TotalsState(on);
        running_ = TotalsState(on);
    }
    // The sums the next lines see; nullptr for none (the names then are no totals).
    void Use(const TotalsState* state) { state_ = state; }

    Found Find(std::u16string_view lowerName, Number& value, std::u16string& message) override;
    const Unit* FoundUnit() const override;

private:
    const UserFunctionCatalogue& functions_;
    TotalsState located_;
    const TotalsState* state_ = nullptr;
    // Following a pass: the sums before paragraph `next_`, and the summary the line holds.
    TotalsState running_;
    std::int32_t next_ = 0;
    TotalsName summary_ = TotalsName::None;
    bool units_ = false;
};

// Keeps `value` (in `unit`) beside the result line at `paragraph` (nullptr: forgets any value
// kept there).
void KeepResult(TextBuffer& buffer, std::int32_t paragraph, const Number* value,
                const Unit* unit = nullptr);

}  // namespace numora
