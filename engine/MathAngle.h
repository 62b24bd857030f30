#pragma once
// Exact reduction of large angles for the circular functions.
#include "engine/Number.h"

namespace numora {

// Arguments at least this large in magnitude go through ReduceLargeAngle: the library's own
// reduction gives up (returns 0) once the quotient by pi/2 no longer fits its precision.
const Number& LargeAngleThreshold();

// Writes x minus the nearest multiple of 2*pi, computed with enough digits of pi that every
// digit of the result is right. Returns false when |x| is beyond what the wide pi can reduce
// (about 1e1000) or x is not finite; `reduced` is then unchanged.
bool ReduceLargeAngle(const Number& x, Number& reduced);

}  // namespace numora
