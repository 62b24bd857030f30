#pragma once
// The built-in function menu: six submenus of items, each with the number of argument places
// its call gets and the help text shown while it is highlighted.
#include <span>

namespace numora {

// The titles and help texts are UTF-8 sources of translation in this context.
inline constexpr char kFunctionMenuContext[] = "numora::FunctionMenu";

struct FunctionMenuItem {
    const char* text;  // "Sin\t(&S)"; nullptr for a separator
    int places;
    const char* help;
};

struct FunctionSubmenu {
    const char* title;
    std::span<const FunctionMenuItem> items;
};

std::span<const FunctionSubmenu> BuiltinFunctionMenuTable();

}  // namespace numora
