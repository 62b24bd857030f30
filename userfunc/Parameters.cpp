#include "base/Text.h"
#include "userfunc/UserFunctionStore.h"
#include "userfunc/WhiteSpace.h"

namespace numora {

bool ContainsForbiddenNameChar(std::u16string_view name) {
    return name.find_first_of(ForbiddenNameChars) != std::u16string_view::npos;
}

std::vector<std::u16string> ParseParameters(std::u16string_view parameterText) {
    std::vector<std::u16string> parameters;
    while (true) {
        const auto semicolon = parameterText.find(u';');
        const std::u16string_view piece = TrimWhiteSpace(parameterText.substr(0, semicolon));
        if (!piece.empty() && !ContainsForbiddenNameChar(piece)) parameters.emplace_back(piece);
        if (semicolon == std::u16string_view::npos) break;
        parameterText.remove_prefix(semicolon + 1);
    }
    return parameters;
}

std::u16string JoinParameters(const std::vector<std::u16string>& parameters) {
    std::u16string text;
    for (const std::u16string& p : parameters) {
        if (!text.empty()) text += u';';
        text += p;
    }
    return text;
}

void AddUserFunction(UserFunctionCatalogue& catalogue, std::u16string_view name,
                     std::u16string_view parameterText, std::u16string_view expression,
                     std::u16string_view explain) {
    catalogue.Append(UserFunction{std::u16string(name), ParseParameters(parameterText),
                                  std::u16string(expression), std::u16string(explain)});
}

}  // namespace numora
