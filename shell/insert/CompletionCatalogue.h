#pragma once
// The names typing help offers: the built-in functions (with their arguments and help texts
// from the function menus, in the interface language) and constants, the user functions, and
// the worksheet's variables with their values.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
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
    // After lines ran: the names they assigned, and the keys of variables whose lines were taken
    // back. A worksheet of 100,000 variables then takes in a line's few instead of listing and
    // sorting them all again when a name is next typed.
    void VariablesAssigned(const std::vector<std::u16string>& names,
                           const std::vector<std::u16string>& takenBack = {});
    // After variables were removed or replaced wholesale: all are listed again when next needed.
    void VariablesReplaced() { variablesStale_ = true; }

    std::vector<const CompletionIndex*> Indexes();
    QString HelpOf(std::size_t index, std::size_t item);

private:
    const UserFunctionCatalogue& functionSource_;
    const Worksheet& sheet_;
    CompletionIndex builtins_;
    CompletionIndex functions_;
    void UpdateVariables();

    CompletionIndex variables_;  // every variable when last listed in full
    CompletionIndex recent_;     // those assigned since
    CompletionIndex totals_;     // offered while the worksheet's totals are on
    CompletionIndex percent_;    // and the percent and tax functions while percentages are on
    std::vector<CompletionItem> recentItems_;
    std::unordered_set<std::u16string> listed_;  // the keys of both
    std::vector<std::u16string> assigned_;       // names noted since the indexes were brought up
    bool builtinsBuilt_ = false;
    bool functionsStale_ = true;
    bool variablesStale_ = true;
    std::uint64_t variablesGeneration_ = ~std::uint64_t{0};
    // Values formatted once shown, by index and item, for the variables as they are now.
    std::unordered_map<std::size_t, QString> variableHelp_;
};

// The built-in functions and constants, as the function menus describe them.
std::vector<CompletionItem> BuiltinCompletionItems();
// The totals names, with the help of their menu items.
std::vector<CompletionItem> TotalsCompletionItems();
// The percent and tax functions, the Japanese names among them.
std::vector<CompletionItem> PercentCompletionItems();

}  // namespace numora
