#pragma once
// The built-in function menu: six submenus of items, each with the number of argument places
// its call gets and the help text shown while it is highlighted.
#include <span>

namespace numora {

struct FunctionMenuItem {
    const char16_t* text;  // "Sin\t(&S)"; nullptr for a separator
    int places;
    const char16_t* help;
};

struct FunctionSubmenu {
    const char16_t* title;
    std::span<const FunctionMenuItem> items;
};

std::span<const FunctionSubmenu> BuiltinFunctionMenuTable();

}  // namespace numora
