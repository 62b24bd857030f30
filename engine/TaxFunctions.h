#pragma once
// The functions of percentages and consumption tax: Pct, PctChange, Tax, TaxPlus, TaxIncluded
// and TaxMinus, and the Japanese names 消費税, 税込, 内税 and 税抜 of the last four. They exist
// only while percentages are on, and a user function of the same name comes first.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FunctionCall.h"
#include "engine/Number.h"

namespace numora {

struct EngineState;  // engine/EngineState.h
struct EvalOptions;

// How a tax is rounded to whole yen.
enum class YenRounding : int { Down = -1, HalfUp = 0, Up = 1 };

struct PercentFunction {
    std::u16string_view Name;     // lower case, as a call is looked up
    std::u16string_view Display;  // as the menus and the completion write it
    std::uint8_t MinParams;
    std::uint8_t MaxParams;
    // Fills `value`, or `message` with the error.
    bool (*Impl)(const std::vector<Number>& args, const EvalOptions& options, Number& value,
                 std::u16string& message);
};

// The rows in menu order, the Japanese names last.
const std::vector<PercentFunction>& PercentFunctionTable();
const PercentFunction* FindPercentFunction(std::u16string_view lowerName);

// Checks the argument count and units and calls the function with the engine's options.
bool CallPercentFunction(const PercentFunction& function, const ArgumentList& arguments,
                         EngineState& engine, Number& value, std::u16string& message);

// x rounded to whole yen: Down toward zero (切り捨て), HalfUp a half away from zero (四捨五入),
// Up away from zero (切り上げ).
Number RoundYen(const Number& x, YenRounding mode);

}  // namespace numora
