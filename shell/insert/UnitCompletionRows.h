#pragma once
// The rows the completion list shows for a unit name typed in square brackets: the name and its
// help in the interface language ("km  キロメートル = 1000 m").
#include <QString>
#include <cstddef>
#include <string_view>
#include <vector>

#include "worksheet/UnitCompletion.h"
#include "worksheet/view/CompletionPopup.h"

namespace numora {

std::vector<CompletionRow> UnitCompletionRows(std::u16string_view typed, std::size_t limit);
QString UnitHelpLine(const UnitChoice& choice);

}  // namespace numora
