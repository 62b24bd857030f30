#pragma once
// The names typing help offers: the built-in functions (with their arguments and help texts
// from the function menus, in the interface language) and constants, the user functions, and
// the worksheet's variables with their values.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/UserFunctions.h"
#include "worksheet/Completion.h"
#include "worksheet/view/TypingHelp.h"

namespace numora {

class Worksheet;

class CompletionCatalogue {
public:
    // Both outlive the catalogue.
    CompletionCatalogue(const UserFunctionCatalogue& functions, const Worksheet& sheet);

    TypingHelp::Source Source();
    // After the user functions were edited.
    void FunctionsChanged() { functionsStale_ = true; }

    std::vector<const CompletionIndex*> Indexes();
    QString HelpOf(std::size_t index, std::size_t item);

private:
    const UserFunctionCatalogue& functionSource_;
    const Worksheet& sheet_;
    CompletionIndex builtins_;
    CompletionIndex functions_;
    CompletionIndex variables_;
    bool builtinsBuilt_ = false;
    bool functionsStale_ = true;
    std::uint64_t variablesGeneration_ = ~std::uint64_t{0};
    std::vector<std::optional<QString>> variableHelp_;  // formatted once shown
};

// The built-in functions and constants, as the function menus describe them.
std::vector<CompletionItem> BuiltinCompletionItems();

}  // namespace numora
