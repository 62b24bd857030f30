#pragma once
// The built-in function menu: six submenus of items, each with the number of argument places
// its call gets and the help text shown while it is highlighted.
#include <span>

namespace numora {

// The titles, item texts and help texts are UTF-8 sources of translation in this context.
inline constexpr char kFunctionMenuContext[] = "numora::FunctionMenu";

// The places of an item that inserts its name alone: a name that stands for a value.
inline constexpr int kNameOnly = -1;

struct FunctionMenuItem {
    const char* text;  // "Sin\t(&S)", the name up to the tab; nullptr for a separator
    int places;        // or kNameOnly
    const char* help;
};

struct FunctionSubmenu {
    const char* title;
    std::span<const FunctionMenuItem> items;
};

std::span<const FunctionSubmenu> BuiltinFunctionMenuTable();
// The totals names, a heading of their own after the functions while totals are on.
const FunctionSubmenu& TotalsMenuTable();
// Common conversions, a heading of their own after the totals while units are on.
const FunctionSubmenu& UnitsMenuTable();
// Percent and tax functions, a heading of their own after the units while percentages are on.
const FunctionSubmenu& PercentMenuTable();

}  // namespace numora
