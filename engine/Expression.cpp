#include "engine/Expression.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/CalcEngine.h"
#include "engine/Cancel.h"
#include "engine/CharClass.h"
#include "engine/EngineTexts.h"
#include "engine/ExactArith.h"
#include "engine/FunctionCall.h"
#include "engine/Names.h"
#include "engine/NumberLiteral.h"

namespace numora {

bool& UnaryMinusBindsBase() {
    static bool value = false;
    return value;
}

namespace {

enum State : std::uint8_t {
    StartExpression = 0,
    ExpressionTail = 1,
    StartTerm = 2,
    TermTail = 3,
    StartFactor = 4,
    ApplyNegation = 5,
    StartPower = 6,
    PowerTail = 7,
    Operand = 8,
};

constexpr char16_t kBottom = u'$';
constexpr char16_t kNegate = u'N';
constexpr char16_t kTimes = u'\u00D7';
constexpr char16_t kDivide = u'\u00F7';

struct PendingOperator {
    char16_t Op;
    std::size_t ValueHeight;  // for '(': height of the value stack when the group opened
};

// Buffers of one evaluation level. Each nesting level keeps its own set for the life of the
// process, so a line allocates only while its stacks grow beyond what earlier lines needed.
struct Workspace {
    std::vector<State> States;
    std::vector<PendingOperator> Operators;
    std::vector<Number> Values;
    std::u16string Name;
    std::u16string Detail;
    ArgumentList Arguments;
};

int g_depth = 0;
std::vector<std::unique_ptr<Workspace>> g_workspaces;

class DepthGuard {
public:
    DepthGuard() { ++g_depth; }
    ~DepthGuard() { --g_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

Workspace& AcquireWorkspace(int depth) {
    while (g_workspaces.size() < static_cast<std::size_t>(depth)) {
        g_workspaces.push_back(std::make_unique<Workspace>());
    }
    Workspace& ws = *g_workspaces[static_cast<std::size_t>(depth) - 1];
    ws.States.clear();
    ws.Operators.clear();
    ws.Values.clear();
    return ws;
}

char16_t At(std::u16string_view text, std::size_t i) { return i < text.size() ? text[i] : u'\0'; }

}  // namespace

int EvaluationDepth() { return g_depth; }

int EvaluateExpression(EvalContext& context, std::u16string_view text, std::int32_t& position) {
    context.MessageText.clear();
    DepthGuard depthGuard;
    Workspace& ws = AcquireWorkspace(g_depth);
    auto& states = ws.States;
    auto& ops = ws.Operators;
    auto& values = ws.Values;

    std::size_t pos = position < 0 ? 0 : static_cast<std::size_t>(position);
    if (pos > text.size()) pos = text.size();
    char16_t pendingSign = 0;
    std::size_t groupDepth = 0;

    auto fail = [&](int status, std::u16string message, std::size_t at) {
        context.MessageText = std::move(message);
        position = static_cast<std::int32_t>(at);
        return status;
    };
    auto failAt = [&](int status, std::u16string_view message, std::size_t at) {
        return fail(status, std::u16string(message), at);
    };
    auto popValue = [&values]() {
        Number v = std::move(values.back());
        values.pop_back();
        return v;
    };

    states.push_back(StartExpression);
    ops.push_back({kBottom, 0});

    while (!states.empty()) {
        if (CancelRequested()) return failAt(kCanceledStatus, texts::kCalculationCanceled, pos);
        switch (states.back()) {
            case StartExpression:
                states.back() = ExpressionTail;
                states.push_back(StartTerm);
                break;

            case ExpressionTail: {
                SkipBlanks(text, pos);
                const char16_t top = ops.back().Op;
                if (top == u'+' || top == u'-') {
                    ops.pop_back();
                    const Number b = popValue();
                    Number& a = values.back();
                    if (top == u'+') {
                        AddTo(a, b);
                    } else {
                        SubtractFrom(a, b);
                    }
                }
                const char16_t c = At(text, pos);
                if (pos < text.size() && (c == u'+' || c == u'-')) {
                    ++pos;
                    ops.push_back({c, 0});
                    states.push_back(StartTerm);
                } else {
                    states.pop_back();
                }
                break;
            }

            case StartTerm:
                states.back() = TermTail;
                states.push_back(StartFactor);
                break;

            case TermTail: {
                SkipBlanks(text, pos);
                const char16_t top = ops.back().Op;
                if (top == u'*' || top == kTimes) {
                    ops.pop_back();
                    const Number b = popValue();
                    values.back() *= b;
                } else if (top == u'/' || top == kDivide || top == u'%') {
                    ops.pop_back();
                    const Number b = popValue();
                    if (b == 0) return failAt(-2, texts::kDivisionByZero, pos);
                    Number& a = values.back();
                    a = top == u'%' ? Remainder(a, b) : Divide(a, b);
                }
                const char16_t c = At(text, pos);
                if (pos < text.size() &&
                    (c == u'*' || c == kTimes || c == u'/' || c == kDivide || c == u'%')) {
                    ++pos;
                    ops.push_back({c, 0});
                    states.push_back(StartFactor);
                } else {
                    states.pop_back();
                }
                break;
            }

            case StartFactor:
                states.back() = ApplyNegation;
                states.push_back(StartPower);
                break;

            case ApplyNegation:
                if (ops.back().Op == kNegate) {
                    ops.pop_back();
                    Number& v = values.back();
                    if (!(v == 0)) v = -v;  // zero stays positive zero
                }
                states.pop_back();
                break;

            case StartPower:
                states.back() = PowerTail;
                states.push_back(Operand);
                break;

            case PowerTail: {
                SkipBlanks(text, pos);
                if (ops.back().Op == u'^') {
                    ops.pop_back();
                    const Number b = popValue();
                    Number& a = values.back();
                    a = Power(a, b);
                }
                if (pos < text.size() && text[pos] == u'^') {
                    ++pos;
                    ops.push_back({u'^', 0});
                    states.push_back(Operand);
                } else {
                    states.pop_back();
                }
                break;
            }

            case Operand: {
                SkipBlanks(text, pos);
                if (pos >= text.size()) {
                    return failAt(
                        -3, groupDepth != 0 ? texts::kNoParenthesis : texts::kIllegalExpression,
                        pos);
                }
                const char16_t c = text[pos];
                if (pendingSign != 0) {
                    if (OperatorClass(c) == 1) return failAt(-3, texts::kNoConstant, pos);
                    if (pendingSign == u'-') {
                        if (ops.back().Op == u'^' || UnaryMinusBindsBase()) {
                            // The negation applies to this operand alone, before any '^'.
                            states.back() = ApplyNegation;
                            states.push_back(Operand);
                        }
                        ops.push_back({kNegate, 0});
                    }
                    pendingSign = 0;
                    break;
                }
                if (c == u'+' || c == u'-') {
                    pendingSign = c;
                    ++pos;
                    break;
                }
                if (c == u'(') {
                    ++groupDepth;
                    ++pos;
                    states.push_back(StartExpression);
                    ops.push_back({u'(', values.size()});
                    break;
                }
                if (c == u')') {
                    if (groupDepth == 0) return failAt(-3, texts::kInvalidParenthesis, pos);
                    if (ops.back().Op != u'(' || values.size() <= ops.back().ValueHeight) {
                        return failAt(-1, texts::kNoValueInParentheses, pos);
                    }
                    --groupDepth;
                    states.pop_back();
                    ops.pop_back();
                    ++pos;
                    break;
                }
                if (OperatorClass(c) != 0) return failAt(-3, texts::kNoOperand, pos);
                if (IsDigit(c) || c == u'.') {
                    Number value;
                    if (!ParseNumberLiteral(text, pos, value, ws.Detail)) {
                        return fail(-3, FormatMessage(texts::kInvalidValue, ws.Detail), pos);
                    }
                    values.push_back(std::move(value));
                    states.pop_back();
                    break;
                }
                const std::size_t nameStart = ReadName(text, pos, ws.Name);
                Number value;
                if (pos < text.size() && text[pos] == u'(') {
                    if (g_depth > kMaxCallDepth) {
                        return failAt(-1, texts::kCallsTooDeep, nameStart);
                    }
                    if (!ParseArguments(context, text, pos, ws.Arguments)) {
                        position = static_cast<std::int32_t>(pos);
                        return -1;
                    }
                    if (!CallFunction(context, ws.Name, ws.Arguments, value)) {
                        position = static_cast<std::int32_t>(nameStart);
                        return -1;
                    }
                } else if (!LookupName(context, ws.Name, value)) {
                    position = static_cast<std::int32_t>(nameStart);
                    return -1;
                }
                values.push_back(std::move(value));
                states.pop_back();
                break;
            }
        }
    }

    if (groupDepth != 0 || At(text, pos) == u')') {
        return failAt(-3, texts::kInvalidParenthesis, pos);
    }
    if (pos < text.size()) return failAt(-3, texts::kIllegalCharacter, pos);
    context.Result = values.back();
    position = static_cast<std::int32_t>(pos);
    return 0;
}

}  // namespace numora
