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
#include "engine/Names.h"
#include "engine/NumberLiteral.h"
#include "engine/Workspace.h"

namespace numora {

namespace {

constexpr char16_t kBottom = u'$';
constexpr char16_t kNegate = u'N';
constexpr char16_t kTimes = u'\u00D7';
constexpr char16_t kDivide = u'\u00F7';

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
          pos_(position < 0 ? 0 : std::min(static_cast<std::size_t>(position), text.size())) {}

    int Run();

private:
    // What a step returns while the machine goes on; the statuses are 0 and negative.
    static constexpr int kGoOn = 1;

    int Step();
    // The state on top finishes with `then` after `first` has run.
    void Descend(State then, State first);
    void ExpressionTail();
    int TermTail();
    void ApplyNegation();
    void PowerTail();
    int Operand();
    int SignedOperand(char16_t c);
    int CloseGroup();
    int NumberOperand();
    int NamedOperand();
    int Finish();

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
            ExpressionTail();
            break;
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
            PowerTail();
            break;
        case State::Operand:
            return Operand();
    }
    return kGoOn;
}

void Machine::Descend(State then, State first) {
    states_.back() = then;
    states_.push_back(first);
}

void Machine::ExpressionTail() {
    SkipBlanks(text_, pos_);
    const char16_t top = ops_.back().Op;
    if (top == u'+' || top == u'-') {
        ops_.pop_back();
        const Number b = PopValue();
        Number& a = values_.back();
        if (top == u'+') {
            AddTo(a, b);
        } else {
            SubtractFrom(a, b);
        }
    }
    const char16_t c = At(text_, pos_);
    if (pos_ < text_.size() && (c == u'+' || c == u'-')) {
        ++pos_;
        ops_.push_back({c, 0});
        states_.push_back(State::StartTerm);
    } else {
        states_.pop_back();
    }
}

int Machine::TermTail() {
    SkipBlanks(text_, pos_);
    const char16_t top = ops_.back().Op;
    if (top == u'*' || top == kTimes) {
        ops_.pop_back();
        const Number b = PopValue();
        MultiplyBy(values_.back(), b);
    } else if (top == u'/' || top == kDivide || top == u'%') {
        ops_.pop_back();
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

void Machine::PowerTail() {
    SkipBlanks(text_, pos_);
    if (ops_.back().Op == u'^') {
        ops_.pop_back();
        const Number b = PopValue();
        Number& a = values_.back();
        a = Power(a, b);
    }
    if (pos_ < text_.size() && text_[pos_] == u'^') {
        ++pos_;
        ops_.push_back({u'^', 0});
        states_.push_back(State::Operand);
    } else {
        states_.pop_back();
    }
}

int Machine::Operand() {
    SkipBlanks(text_, pos_);
    if (pos_ >= text_.size()) {
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
    return kGoOn;
}

int Machine::NumberOperand() {
    Number value;
    if (!ParseNumberLiteral(text_, pos_, value, ws_.Detail)) {
        return Fail(-3, FormatMessage(texts::kInvalidValue, ws_.Detail), pos_);
    }
    values_.push_back(std::move(value));
    states_.pop_back();
    return kGoOn;
}

// A constant, a variable or a function call.
int Machine::NamedOperand() {
    const std::size_t nameStart = ReadName(text_, pos_, ws_.Name);
    Number value;
    if (pos_ < text_.size() && text_[pos_] == u'(') {
        if (engine_.Depth > kMaxCallDepth) return FailAt(-1, texts::kCallsTooDeep, nameStart);
        if (!ParseArguments(context_, text_, pos_, ws_.Arguments)) {
            position_ = static_cast<std::int32_t>(pos_);
            return -1;
        }
        if (!CallFunction(context_, ws_.Name, ws_.Arguments, value)) {
            position_ = static_cast<std::int32_t>(nameStart);
            return -1;
        }
    } else if (!LookupName(context_, ws_.Name, value)) {
        position_ = static_cast<std::int32_t>(nameStart);
        return -1;
    }
    values_.push_back(std::move(value));
    states_.pop_back();
    return kGoOn;
}

int Machine::Finish() {
    if (groupDepth_ != 0 || At(text_, pos_) == u')') {
        return FailAt(-3, texts::kInvalidParenthesis, pos_);
    }
    if (pos_ < text_.size()) return FailAt(-3, texts::kIllegalCharacter, pos_);
    context_.Result = values_.back();
    position_ = static_cast<std::int32_t>(pos_);
    return 0;
}

int Machine::Fail(int status, std::u16string message, std::size_t at) {
    context_.MessageText = std::move(message);
    position_ = static_cast<std::int32_t>(at);
    return status;
}

Number Machine::PopValue() {
    Number v = std::move(values_.back());
    values_.pop_back();
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
