#pragma once
// The built-in function table and the calling convention of its implementations.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Number.h"

namespace numora {

struct EngineState;  // engine/EngineState.h

// Argument values in order; never shorter than MinParams, never longer than MaxParams.
using ArgList = std::vector<Number>;

using BuiltinImpl = Number (*)(const ArgList& args);
// Shape for the functions that also deliver a text: they may assign `text`.
using BuiltinTextImpl = Number (*)(const ArgList& args, std::u16string& text);
// Shape for the functions that keep something of their own in the calling engine between calls.
using BuiltinEngineImpl = Number (*)(const ArgList& args, EngineState& engine);

struct BuiltinFunction {
    std::u16string_view Name;  // lower case
    BuiltinImpl Impl = nullptr;
    BuiltinTextImpl TextImpl = nullptr;  // set exactly when ReturnsText
    BuiltinEngineImpl EngineImpl = nullptr;
    std::uint8_t MinParams = 0;
    std::uint8_t MaxParams = 0;
    bool ReturnsText = false;
    // Its value changes from call to call (the clock, random numbers).
    bool Volatile = false;
};

// The rows in table order; filled once on first use, never changed afterwards.
const std::vector<BuiltinFunction>& BuiltinTable();

// First row whose name equals `lowerName` exactly, or nullptr.
const BuiltinFunction* FindBuiltin(std::u16string_view lowerName);

}  // namespace numora
