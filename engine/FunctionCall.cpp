#include "engine/FunctionCall.h"

#include <algorithm>
#include <limits>

#include "base/Text.h"
#include "engine/Builtins.h"
#include "engine/Cancel.h"
#include "engine/CharClass.h"
#include "engine/EngineState.h"
#include "engine/EngineTexts.h"
#include "engine/Expression.h"
#include "engine/TaxFunctions.h"
#include "engine/UnitFunctions.h"
#include "engine/UserFunctions.h"
#include "engine/VariableTable.h"

namespace numora {

bool ParseArguments(EvalContext& context, std::u16string_view text, std::size_t& position,
                    ArgumentList& arguments) {
    arguments.clear();
    ++position;  // past '('
    std::size_t argumentStart = position;
    std::size_t depth = 1;
    bool firstEmpty = false;
    std::size_t firstEmptyAt = 0;

    // Split first: each argument is a slice of the caller's text, so nothing is copied.
    for (;;) {
        if (position >= text.size()) {
            context.MessageText = texts::kInvalidFunctionParenthesis;
            position = text.size();
            return false;
        }
        const char16_t c = text[position];
        if ((c == u')' || c == u';') && depth == 1) {
            const std::size_t length =
                LengthWithoutTrailingBlanks(text.substr(argumentStart, position - argumentStart));
            if (length == 0) {
                if (!arguments.empty()) {
                    position = firstEmpty ? firstEmptyAt : argumentStart;
                    context.MessageText = texts::kNoFunctionParameter;
                    return false;
                }
                firstEmpty = true;
                firstEmptyAt = argumentStart;
            }
            Argument& argument = arguments.emplace_back();
            argument.Position = static_cast<std::int32_t>(argumentStart);
            argument.Length = length;
            if (c == u')') break;
            ++position;
            argumentStart = position;
            continue;
        }
        if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        }
        ++position;
    }
    ++position;  // past ')'

    if (firstEmpty) {
        if (arguments.size() == 1) {
            arguments.front().Value = 0;
            arguments.front().Position = -static_cast<std::int32_t>(firstEmptyAt);
            return true;
        }
        position = firstEmptyAt;
        context.MessageText = texts::kNoFunctionParameter;
        return false;
    }

    for (Argument& argument : arguments) {
        const auto start = static_cast<std::size_t>(argument.Position);
        EvalContext temporary = context.Nested(context.Variables);
        std::int32_t inner = 0;
        if (EvaluateExpression(temporary, text.substr(start, argument.Length), inner) != 0) {
            context.MessageText = std::move(temporary.MessageText);
            position = start + static_cast<std::size_t>(inner);
            return false;
        }
        argument.Value = std::move(temporary.Result);
        argument.Of = std::move(temporary.ResultUnit);
    }
    return true;
}

namespace {

bool HasUnits(const ArgumentList& arguments) {
    for (const Argument& argument : arguments) {
        if (!argument.Of.Empty()) return true;
    }
    return false;
}

bool CallBuiltin(EvalContext& context, const BuiltinFunction& function,
                 const ArgumentList& arguments, Number& value, Unit& unit) {
    if (!CheckArgumentCount(arguments, function.MinParams, function.MaxParams,
                            context.MessageText)) {
        return false;
    }
    ArgList& values = context.Engine->BuiltinArguments;
    values.clear();
    if (HasUnits(arguments)) {
        if (!UnitArguments(function.Name, arguments, values, unit, context.MessageText)) {
            return false;
        }
    } else {
        for (const Argument& argument : arguments) values.push_back(argument.Value);
    }
    if (function.ReturnsText) {
        value = function.TextImpl != nullptr ? function.TextImpl(values, context.MessageText)
                                             : std::numeric_limits<Number>::quiet_NaN();
    } else if (function.EngineImpl != nullptr) {
        value = function.EngineImpl(values, *context.Engine);
    } else {
        value = function.Impl != nullptr ? function.Impl(values)
                                         : std::numeric_limits<Number>::quiet_NaN();
    }
    return true;
}

bool CallUserFunction(EvalContext& context, const std::u16string& lowerName,
                      const UserFunction& function, const ArgumentList& arguments, Number& value,
                      Unit& unit) {
    auto& active = context.Engine->ActiveCalls;
    if (std::find(active.begin(), active.end(), lowerName) != active.end()) {
        context.MessageText = texts::kMultipleFunctionCall;
        return false;
    }
    if (function.Parameter.size() != arguments.size()) {
        context.MessageText =
            FormatMessage(texts::kUserParameterCount, static_cast<int>(function.Parameter.size()));
        return false;
    }
    if (arguments.size() == 1 && arguments.front().StandsForEmptyList()) {
        context.MessageText = texts::kNoFunctionParameter;
        return false;
    }
    // The body sees its parameters and the constants only, never the worksheet's variables.
    VariableTable parameters;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        parameters.Store(ToLowerAscii(function.Parameter[i]), arguments[i].Value, arguments[i].Of);
    }
    active.push_back(lowerName);
    EvalContext temporary = context.Nested(&parameters);
    std::int32_t position = 0;
    if (EvaluateExpression(temporary, function.Expression, position) != 0) {
        // The name stays active until the line ends; the whole line fails anyway.
        context.MessageText = std::move(temporary.MessageText);
        context.MessageText += texts::kUserFunctionSuffix;
        return false;
    }
    active.pop_back();
    value = std::move(temporary.Result);
    unit = std::move(temporary.ResultUnit);
    return true;
}

}  // namespace

bool CheckArgumentCount(const ArgumentList& arguments, int minParams, int maxParams,
                        std::u16string& message) {
    const std::size_t count = arguments.size();
    if (count > static_cast<std::size_t>(maxParams)) {
        message = FormatMessage(texts::kUpToParameters, maxParams);
        return false;
    }
    if (count < static_cast<std::size_t>(minParams)) {
        message = minParams == maxParams
                      ? FormatMessage(texts::kParametersRequired, maxParams)
                      : FormatMessage(texts::kMinimumParametersRequired, minParams);
        return false;
    }
    if (arguments.front().StandsForEmptyList() && minParams != 0) {
        message = texts::kNoFunctionParameter;
        return false;
    }
    return true;
}

bool CallFunction(EvalContext& context, std::u16string& name, const ArgumentList& arguments,
                  Number& value, Unit& unit) {
    unit.Terms.clear();
    if (CancelRequested(context.Engine->Cancel)) {
        context.MessageText = texts::kCalculationCanceled;
        return false;
    }
    for (char16_t& c : name) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    }
    if (const BuiltinFunction* builtin = FindBuiltin(name)) {
        if (builtin->Volatile && context.Engine->RefuseVolatile) {
            context.Engine->MetVolatile = true;
            context.MessageText.clear();
            return false;
        }
        return CallBuiltin(context, *builtin, arguments, value, unit);
    }
    const UserFunctionCatalogue& catalogue = *context.Engine->Functions;
    if (const int index = catalogue.Find(name); index >= 0) {
        return CallUserFunction(context, name, catalogue.At(index), arguments, value, unit);
    }
    if (context.Engine->Options.Percent) {
        if (const PercentFunction* percent = FindPercentFunction(name)) {
            return CallPercentFunction(*percent, arguments, *context.Engine, value,
                                       context.MessageText);
        }
    }
    // Always the call's own message: a text left by an earlier top-level call (hex, format)
    // must not stand in for the error.
    context.MessageText = FormatMessage(texts::kNotFunction, name);
    return false;
}

}  // namespace numora
