#include "engine/Expression.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/Cancel.h"
#include "engine/CharClass.h"
#include "engine/EngineState.h"
#include "engine/EngineTexts.h"
#include "engine/ExactArith.h"
#include "engine/FunctionCall.h"
#include "engine/MyriadNumeral.h"
#include "engine/Names.h"
#include "engine/NumberLiteral.h"
#include "engine/PercentReader.h"
#include "engine/UnitReader.h"
#include "engine/Workspace.h"

namespace numora {

namespace {

constexpr char16_t kBottom = u'$';
constexpr char16_t kNegate = u'N';
constexpr char16_t kTimes = u'\u00D7';
constexpr char16_t kDivide = u'\u00F7';
// What a '+' or '-' on the operator stack carries: whether a percent term in its chain scales
// the running value ("1200 + 10%") or is added as it is (a chain that began with a percent).
constexpr std::size_t kScalingChain = 0;
constexpr std::size_t kPlainChain = 1;
constexpr std::size_t kNoPercent = static_cast<std::size_t>(-1);

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

Workspace& AcquireWorkspace(EngineState& engine) {
    auto& workspaces = engine.Workspaces;
    while (workspaces.size() < static_cast<std::size_t>(engine.Depth)) {
        workspaces.push_back(std::make_unique<Workspace>());
    }
    Workspace& ws = *workspaces[static_cast<std::size_t>(engine.Depth) - 1];
    ws.States.clear();
    ws.Operators.clear();
    ws.Values.clear();
    return ws;
}

char16_t At(std::u16string_view text, std::size_t i) { return i < text.size() ? text[i] : u'\0'; }

// One EvaluateExpression call: a method for each state that does more than descend.
class Machine {
public:
    Machine(EvalContext& context, std::u16string_view text, std::int32_t& position, Workspace& ws)
        : context_(context),
          engine_(*context.Engine),
          text_(text),
          position_(position),
          ws_(ws),
          states_(ws.States),
          ops_(ws.Operators),
          values_(ws.Values),
          units_(ws.Units),
          unitsOn_(context.Engine->Options.Units),
          percentOn_(context.Engine->Options.Percent),
          pos_(position < 0 ? 0 : std::min(static_cast<std::size_t>(position), text.size())) {}

    int Run();

private:
    // What a step returns while the machine goes on; the statuses are 0 and negative.
    static constexpr int kGoOn = 1;

    int Step();
    // The state on top finishes with `then` after `first` has run.
    void Descend(State then, State first);
    int ExpressionTail();
    int TermTail();
    void ApplyNegation();
    int PowerTail();
    int Operand();
    int SignedOperand(char16_t c);
    int CloseGroup();
    int NumberOperand();
    int NamedOperand();
    int Finish();

    // Percentages: a percent sign right after an operand divides it by a hundred; the value
    // stays marked as a percent term until something else is done with it.
    void PercentAfterOperand() {
        if (percentOn_) PercentSigns();
    }
    void PercentSigns();
    bool PercentOnTop() const { return percentAt_ + 1 == values_.size(); }

    // Units: the stack beside the values is filled from the first unit of the line on, so that
    // lines without one never touch it.
    void ActivateUnits();
    bool ArrowAt(std::size_t i) const {
        return (At(text_, i) == u'-' && At(text_, i + 1) == u'>') || At(text_, i) == u'\u2192';
    }
    int AttachUnit();
    int ConvertTo();
    // A name read with a bracket or an arrow in it ("width[m]") is cut before it, unless the whole
    // is a variable or the bracket holds an index ("a[1]").
    void SplitUnitFromName(std::size_t nameStart);
    const Unit* NameUnit() const;
    int SumWithUnits(bool subtract);
    int ProductWithUnits(char16_t op);
    int PowerWithUnits();
    UnitSlot PopSlot();
    int UnitFailure(int status, std::size_t at) {
        position_ = static_cast<std::int32_t>(at);
        return status;
    }

    int Fail(int status, std::u16string message, std::size_t at);
    int FailAt(int status, std::u16string_view message, std::size_t at) {
        return Fail(status, std::u16string(message), at);
    }
    Number PopValue();

    EvalContext& context_;
    EngineState& engine_;
    const std::u16string_view text_;
    std::int32_t& position_;
    Workspace& ws_;
    std::vector<State>& states_;
    std::vector<PendingOperator>& ops_;
    std::vector<Number>& values_;
    std::vector<UnitSlot>& units_;
    const bool unitsOn_;
    const bool percentOn_;
    std::size_t percentAt_ = kNoPercent;  // index of the value that is a percent term
    bool unitsActive_ = false;
    std::size_t pos_;
    char16_t pendingSign_ = 0;
    std::size_t groupDepth_ = 0;
};

int Machine::Run() {
    states_.push_back(State::StartExpression);
    ops_.push_back({kBottom, 0});
    while (!states_.empty()) {
        if (CancelRequested(engine_.Cancel)) {
            return FailAt(kCanceledStatus, texts::kCalculationCanceled, pos_);
        }
        if (const int status = Step(); status != kGoOn) return status;
    }
    return Finish();
}

int Machine::Step() {
    switch (states_.back()) {
        case State::StartExpression:
            Descend(State::ExpressionTail, State::StartTerm);
            break;
        case State::ExpressionTail:
            return ExpressionTail();
        case State::StartTerm:
            Descend(State::TermTail, State::StartFactor);
            break;
        case State::TermTail:
            return TermTail();
        case State::StartFactor:
            Descend(State::ApplyNegation, State::StartPower);
            break;
        case State::ApplyNegation:
            ApplyNegation();
            break;
        case State::StartPower:
            Descend(State::PowerTail, State::Operand);
            break;
        case State::PowerTail:
            return PowerTail();
        case State::Operand:
            return Operand();
    }
    return kGoOn;
}

void Machine::Descend(State then, State first) {
    states_.back() = then;
    states_.push_back(first);
}

int Machine::ExpressionTail() {
    SkipBlanks(text_, pos_);
    const char16_t top = ops_.back().Op;
    std::size_t chain = kNoPercent;
    if (top == u'+' || top == u'-') {
        chain = ops_.back().ValueHeight;
        ops_.pop_back();
        if (percentOn_ && chain == kScalingChain && PercentOnTop() &&
            (!unitsActive_ || units_.back().Of.Empty())) {
            const Number p = PopValue();
            values_.back() = ScaleByPercent(values_.back(), p, top == u'-');
        } else if (unitsActive_) {
            if (const int status = SumWithUnits(top == u'-'); status != kGoOn) return status;
        } else {
            const Number b = PopValue();
            Number& a = values_.back();
            if (top == u'+') {
                AddTo(a, b);
            } else {
                SubtractFrom(a, b);
            }
        }
        percentAt_ = kNoPercent;
    }
    const char16_t c = At(text_, pos_);
    if (pos_ < text_.size() && (c == u'+' || c == u'-') && !(unitsOn_ && ArrowAt(pos_))) {
        ++pos_;
        if (!percentOn_) {
            chain = 0;
        } else if (chain == kNoPercent) {
            chain = PercentOnTop() ? kPlainChain : kScalingChain;
        }
        ops_.push_back({c, chain});
        states_.push_back(State::StartTerm);
    } else {
        states_.pop_back();
    }
    return kGoOn;
}

int Machine::TermTail() {
    SkipBlanks(text_, pos_);
    const char16_t top = ops_.back().Op;
    if (unitsActive_ &&
        (top == u'*' || top == kTimes || top == u'/' || top == kDivide || top == u'%')) {
        ops_.pop_back();
        percentAt_ = kNoPercent;
        if (const int status = ProductWithUnits(top); status != kGoOn) return status;
    } else if (top == u'*' || top == kTimes) {
        ops_.pop_back();
        percentAt_ = kNoPercent;
        const Number b = PopValue();
        MultiplyBy(values_.back(), b);
    } else if (top == u'/' || top == kDivide || top == u'%') {
        ops_.pop_back();
        percentAt_ = kNoPercent;
        const Number b = PopValue();
        if (b == 0) return FailAt(-2, texts::kDivisionByZero, pos_);
        Number& a = values_.back();
        a = top == u'%' ? Remainder(a, b) : Divide(a, b);
    }
    const char16_t c = At(text_, pos_);
    if (pos_ < text_.size() &&
        (c == u'*' || c == kTimes || c == u'/' || c == kDivide || c == u'%')) {
        ++pos_;
        ops_.push_back({c, 0});
        states_.push_back(State::StartFactor);
    } else {
        states_.pop_back();
    }
    return kGoOn;
}

void Machine::ApplyNegation() {
    if (ops_.back().Op == kNegate) {
        ops_.pop_back();
        Number& v = values_.back();
        if (!(v == 0)) v = -v;  // zero stays positive zero
    }
    states_.pop_back();
}

int Machine::PowerTail() {
    SkipBlanks(text_, pos_);
    if (ops_.back().Op == u'^') {
        ops_.pop_back();
        percentAt_ = kNoPercent;
        if (unitsActive_) {
            if (const int status = PowerWithUnits(); status != kGoOn) return status;
        } else {
            const Number b = PopValue();
            Number& a = values_.back();
            a = Power(a, b);
        }
    }
    // After the power: "10^3[m]" is a thousand metres, "2[m]^2" four square metres.
    if (unitsOn_ && pos_ < text_.size() && text_[pos_] == u'[') {
        if (const int status = AttachUnit(); status != kGoOn) return status;
        SkipBlanks(text_, pos_);
    }
    if (pos_ < text_.size() && text_[pos_] == u'^') {
        ++pos_;
        ops_.push_back({u'^', 0});
        states_.push_back(State::Operand);
    } else {
        states_.pop_back();
    }
    return kGoOn;
}

int Machine::Operand() {
    SkipBlanks(text_, pos_);
    if (pos_ >= text_.size()) {
        return FailAt(-3, groupDepth_ != 0 ? texts::kNoParenthesis : texts::kIllegalExpression,
                      pos_);
    }
    if (unitsOn_ && ArrowAt(pos_)) {
        // A conversion converts the whole line, never a group or an operand.
        return FailAt(-3, groupDepth_ != 0 ? texts::kNoParenthesis : texts::kIllegalExpression,
                      pos_);
    }
    const char16_t c = text_[pos_];
    if (pendingSign_ != 0) return SignedOperand(c);
    if (c == u'+' || c == u'-') {
        pendingSign_ = c;
        ++pos_;
        return kGoOn;
    }
    if (c == u'(') {
        ++groupDepth_;
        ++pos_;
        states_.push_back(State::StartExpression);
        ops_.push_back({u'(', values_.size()});
        return kGoOn;
    }
    if (c == u')') return CloseGroup();
    if (OperatorClass(c) != 0) return FailAt(-3, texts::kNoOperand, pos_);
    if (IsDigit(c) || c == u'.') return NumberOperand();
    return NamedOperand();
}

// `c` follows a sign: it must start an operand.
int Machine::SignedOperand(char16_t c) {
    if (OperatorClass(c) == 1) return FailAt(-3, texts::kNoConstant, pos_);
    if (pendingSign_ == u'-') {
        if (ops_.back().Op == u'^' || engine_.Options.UnaryMinusBindsBase) {
            // The negation applies to this operand alone, before any '^'.
            Descend(State::ApplyNegation, State::Operand);
        }
        ops_.push_back({kNegate, 0});
    }
    pendingSign_ = 0;
    return kGoOn;
}

int Machine::CloseGroup() {
    if (groupDepth_ == 0) return FailAt(-3, texts::kInvalidParenthesis, pos_);
    if (ops_.back().Op != u'(' || values_.size() <= ops_.back().ValueHeight) {
        return FailAt(-1, texts::kNoValueInParentheses, pos_);
    }
    --groupDepth_;
    states_.pop_back();
    ops_.pop_back();
    ++pos_;
    // A group is its value as it is: "100 + (10%)" adds a tenth, "100 + (10 + 5)%" scales.
    percentAt_ = kNoPercent;
    PercentAfterOperand();
    return kGoOn;
}

int Machine::NumberOperand() {
    Number value;
    if (!(percentOn_ ? ParseMyriadNumeral(text_, pos_, value, ws_.Detail)
                     : ParseNumberLiteral(text_, pos_, value, ws_.Detail))) {
        return Fail(-3, FormatMessage(texts::kInvalidValue, ws_.Detail), pos_);
    }
    values_.push_back(std::move(value));
    if (unitsActive_) units_.emplace_back();
    states_.pop_back();
    PercentAfterOperand();
    return kGoOn;
}

// A constant, a variable or a function call.
int Machine::NamedOperand() {
    const std::size_t nameStart = ReadName(text_, pos_, ws_.Name);
    Number value;
    const Unit* unit = nullptr;
    if (pos_ < text_.size() && text_[pos_] == u'(') {
        if (engine_.Depth > kMaxCallDepth) return FailAt(-1, texts::kCallsTooDeep, nameStart);
        if (!ParseArguments(context_, text_, pos_, ws_.Arguments)) {
            position_ = static_cast<std::int32_t>(pos_);
            return -1;
        }
        if (!CallFunction(context_, ws_.Name, ws_.Arguments, value, ws_.CallUnit)) {
            position_ = static_cast<std::int32_t>(nameStart);
            return -1;
        }
        if (unitsOn_) unit = &ws_.CallUnit;
    } else {
        if (unitsOn_) SplitUnitFromName(nameStart);
        if (!LookupName(context_, ws_.Name, value)) {
            position_ = static_cast<std::int32_t>(nameStart);
            return -1;
        }
        if (unitsOn_) unit = NameUnit();
    }
    values_.push_back(std::move(value));
    if (unitsActive_) units_.emplace_back();
    if (unit != nullptr && !unit->Empty()) {
        ActivateUnits();
        units_.back() = UnitSlot{*unit, nameStart};
    }
    states_.pop_back();
    PercentAfterOperand();
    return kGoOn;
}

void Machine::PercentSigns() {
    std::size_t at = pos_;
    SkipBlanks(text_, at);
    while (At(text_, at) == u'%' && IsPercentSign(text_, at)) {
        values_.back() = PercentValue(values_.back());
        percentAt_ = values_.size() - 1;
        pos_ = at + 1;
        at = pos_;
        SkipBlanks(text_, at);
    }
}

int Machine::Finish() {
    if (unitsOn_) {
        while (ArrowAt(pos_)) {
            if (const int status = ConvertTo(); status != kGoOn) return status;
        }
    }
    if (groupDepth_ != 0 || At(text_, pos_) == u')') {
        return FailAt(-3, texts::kInvalidParenthesis, pos_);
    }
    if (pos_ < text_.size()) return FailAt(-3, texts::kIllegalCharacter, pos_);
    context_.Result = values_.back();
    if (unitsActive_) {
        context_.ResultUnit = std::move(units_.back().Of);
    } else {
        context_.ResultUnit.Terms.clear();
    }
    position_ = static_cast<std::int32_t>(pos_);
    return 0;
}

void Machine::ActivateUnits() {
    if (unitsActive_) return;
    units_.clear();
    units_.resize(values_.size());
    unitsActive_ = true;
}

int Machine::AttachUnit() {
    ActivateUnits();
    const std::size_t at = pos_ + 1;
    Unit unit;
    if (!ReadUnitBracket(text_, pos_, unit, context_.MessageText)) return UnitFailure(-3, pos_);
    UnitSlot& slot = units_.back();
    percentAt_ = kNoPercent;
    if (!slot.Of.Empty()) return FailAt(-1, texts::kUnitTwice, at);
    slot.Of = std::move(unit);
    slot.At = at;
    return kGoOn;
}

int Machine::ConvertTo() {
    pos_ += text_[pos_] == u'-' ? 2 : 1;
    SkipBlanks(text_, pos_);
    if (At(text_, pos_) != u'[') return FailAt(-3, texts::kNoUnit, pos_);
    const std::size_t at = pos_ + 1;
    Unit target;
    if (!ReadUnitBracket(text_, pos_, target, context_.MessageText)) return UnitFailure(-3, pos_);
    ActivateUnits();
    UnitSlot& slot = units_.back();
    if (!ConvertQuantity(values_.back(), slot.Of, target, context_.MessageText)) {
        return UnitFailure(-1, at);
    }
    slot.At = at;
    SkipBlanks(text_, pos_);
    return kGoOn;
}

void Machine::SplitUnitFromName(std::size_t nameStart) {
    std::u16string& name = ws_.Name;
    const std::size_t split = name.find_first_of(u"[\u2192");
    if (split == std::u16string::npos || split == 0) return;
    if (name[split] == u'[' && split + 1 < name.size() && IsDigit(name[split + 1])) return;
    if (context_.Variables != nullptr) {
        std::u16string& lower = engine_.LowerName;
        lower.assign(name);
        for (char16_t& c : lower) {
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
        }
        if (context_.Variables->Find(lower) != nullptr) return;
    }
    name.resize(LengthWithoutTrailingBlanks(std::u16string_view(name).substr(0, split)));
    pos_ = nameStart + split;
}

// After a successful LookupName, which left the lower-case name in the engine.
const Unit* Machine::NameUnit() const {
    const std::u16string& lower = engine_.LowerName;
    const int constant = ConstantIndex(lower);
    if (constant == 1) return &engine_.LastAnswerUnit;
    if (constant != 0) return nullptr;
    if (context_.Variables != nullptr && context_.Variables->Find(lower) != nullptr) {
        return context_.Variables->FindUnit(lower);
    }
    // Neither a constant nor a variable: the owner's name source gave the value.
    return engine_.Names != nullptr ? engine_.Names->FoundUnit() : nullptr;
}

UnitSlot Machine::PopSlot() {
    UnitSlot slot = std::move(units_.back());
    units_.pop_back();
    values_.pop_back();
    return slot;
}

int Machine::SumWithUnits(bool subtract) {
    Number b = std::move(values_.back());
    const UnitSlot right = PopSlot();
    Number& a = values_.back();
    UnitSlot& left = units_.back();
    if (left.Of.Empty() && right.Of.Empty()) {
        a = subtract ? Subtract(a, b) : Add(a, b);
    } else if (!AddQuantity(a, left.Of, b, right.Of, subtract, context_.MessageText)) {
        return UnitFailure(-1, right.Of.Empty() ? left.At : right.At);
    }
    return kGoOn;
}

int Machine::ProductWithUnits(char16_t op) {
    Number b = std::move(values_.back());
    const UnitSlot right = PopSlot();
    if ((op == u'/' || op == kDivide || op == u'%') && b == 0) {
        return FailAt(-2, texts::kDivisionByZero, pos_);
    }
    Number& a = values_.back();
    UnitSlot& left = units_.back();
    if (left.Of.Empty() && right.Of.Empty()) {
        a = op == u'%'                   ? Remainder(a, b)
            : op == u'*' || op == kTimes ? Multiply(a, b)
                                         : Divide(a, b);
        return kGoOn;
    }
    const std::size_t at = right.Of.Empty() ? left.At : right.At;
    if (op == u'%') {
        // A remainder is of the left one's kind: the right one is converted to it.
        Unit unit = right.Of;
        if (!ConvertQuantity(b, unit, left.Of, context_.MessageText)) return UnitFailure(-1, at);
        a = Remainder(a, b);
        return kGoOn;
    }
    const bool wasBare = left.Of.Empty();
    if (!MultiplyQuantity(a, left.Of, b, right.Of, op != u'*' && op != kTimes,
                          context_.MessageText)) {
        return UnitFailure(-1, at);
    }
    if (wasBare) left.At = right.At;
    return kGoOn;
}

int Machine::PowerWithUnits() {
    Number b = std::move(values_.back());
    const UnitSlot right = PopSlot();
    UnitSlot& left = units_.back();
    if (!PowerQuantity(values_.back(), left.Of, b, right.Of, context_.MessageText)) {
        return UnitFailure(-1, right.Of.Empty() ? left.At : right.At);
    }
    return kGoOn;
}

int Machine::Fail(int status, std::u16string message, std::size_t at) {
    context_.MessageText = std::move(message);
    position_ = static_cast<std::int32_t>(at);
    return status;
}

Number Machine::PopValue() {
    Number v = std::move(values_.back());
    values_.pop_back();
    if (unitsActive_) units_.pop_back();
    return v;
}

}  // namespace

int EvaluateExpression(EvalContext& context, std::u16string_view text, std::int32_t& position) {
    context.MessageText.clear();
    EngineState& engine = *context.Engine;
    DepthGuard depthGuard(engine.Depth);
    Machine machine(context, text, position, AcquireWorkspace(engine));
    return machine.Run();
}

}  // namespace numora
