#pragma once
// What every evaluation of one engine shares. Nothing of it is process-wide, so engines on
// different threads never meet.
#include <memory>
#include <string>
#include <vector>

#include "engine/Builtins.h"
#include "engine/Cancel.h"
#include "engine/NameSource.h"
#include "engine/Number.h"
#include "engine/Quantity.h"
#include "engine/UserFunctions.h"

namespace numora {

// Set by the engine's owner between lines, never while one runs.
struct EvalOptions {
    // -a^b is (-a)^b rather than -(a^b).
    bool UnaryMinusBindsBase = false;
    // Results are written with their integer digits in groups of three ("1,234,567").
    bool GroupDigits = false;
    // A value may carry a unit in square brackets ("5[ft] + 2[in] -> [cm]").
    bool Units = false;
    // '%' is a percent where no operand follows it ("1200 + 10%"), numbers take 万 and 億
    // ("3万5千"), and the tax functions exist.
    bool Percent = false;
    // The consumption tax rate in percent and the rounding of tax to yen (-1 down, 0 half up,
    // 1 up) that Tax and its kin use when a call gives none.
    int TaxRate = 10;
    int TaxRounding = -1;
    // Results of 1万 and more are written in groups of four with 万, 億, 兆 and 京.
    bool MyriadGrouping = false;
};

struct Workspace;    // engine/Workspace.h
struct RandomState;  // engine/RandomFunction.h

struct EngineState {
    explicit EngineState(const UserFunctionCatalogue& functions);
    ~EngineState();
    EngineState(const EngineState&) = delete;
    EngineState& operator=(const EngineState&) = delete;

    EvalOptions Options;
    // Owned by whoever loads and edits it; it outlives the engine.
    const UserFunctionCatalogue* Functions;
    CancelToken Cancel;
    // A trial evaluation: a call of a volatile built-in fails the line and sets MetVolatile
    // instead of reading the clock or drawing a number.
    bool RefuseVolatile = false;
    bool MetVolatile = false;
    // The value of "@": the result of the last line that succeeded.
    Number LastAnswer{0};
    Unit LastAnswerUnit;
    // The generator of random(), made by its first call: until then the engine is where a run
    // of the program starts. A session handed over or restored leaves it as it is.
    std::unique_ptr<RandomState> Random;
    // Asked for a name after the constants and the variables; set between lines.
    NameSource* Names = nullptr;

    // EvaluateExpression calls running now (1 while a line's top level runs), and the buffers
    // of each nesting level, kept for the engine's life: a line allocates only while its stacks
    // grow beyond what earlier lines needed.
    int Depth = 0;
    std::vector<std::unique_ptr<Workspace>> Workspaces;
    // Lower-case names of the user functions whose bodies are being evaluated, innermost last.
    // Emptied at the end of every line.
    std::vector<std::u16string> ActiveCalls;
    // Reused: built-ins never evaluate expressions, and name lookups do not nest.
    ArgList BuiltinArguments;
    std::u16string LowerName;
};

}  // namespace numora
