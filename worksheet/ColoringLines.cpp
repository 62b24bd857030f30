#include "worksheet/ColoringLines.h"

namespace numora {

std::int32_t CaretAfterColorAllLines(const TextBuffer& buffer) {
    const std::int32_t start = buffer.LineStart(buffer.LineFromPosition(buffer.TextLength()));
    return start < 0 ? 0 : start;
}

}  // namespace numora
