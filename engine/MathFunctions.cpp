// Placeholder implementations: NaN until this family is written.
#include <limits>

#include "engine/BuiltinImpls.h"

namespace numora {

namespace {
Number Nan() { return std::numeric_limits<Number>::quiet_NaN(); }
}  // namespace

Number FnAbs(const ArgList&) { return Nan(); }
Number FnInt(const ArgList&) { return Nan(); }
Number FnFrac(const ArgList&) { return Nan(); }
Number FnCeil(const ArgList&) { return Nan(); }
Number FnFloor(const ArgList&) { return Nan(); }
Number FnRound(const ArgList&) { return Nan(); }
Number FnTrunc(const ArgList&) { return Nan(); }
Number FnExp(const ArgList&) { return Nan(); }
Number FnExp2(const ArgList&) { return Nan(); }
Number FnLn(const ArgList&) { return Nan(); }
Number FnLog2(const ArgList&) { return Nan(); }
Number FnLog10(const ArgList&) { return Nan(); }
Number FnSqrt(const ArgList&) { return Nan(); }
Number FnCbrt(const ArgList&) { return Nan(); }
Number FnSin(const ArgList&) { return Nan(); }
Number FnCos(const ArgList&) { return Nan(); }
Number FnTan(const ArgList&) { return Nan(); }
Number FnAsin(const ArgList&) { return Nan(); }
Number FnAcos(const ArgList&) { return Nan(); }
Number FnAtan(const ArgList&) { return Nan(); }
Number FnSinh(const ArgList&) { return Nan(); }
Number FnCosh(const ArgList&) { return Nan(); }
Number FnTanh(const ArgList&) { return Nan(); }
Number FnAsinh(const ArgList&) { return Nan(); }
Number FnAcosh(const ArgList&) { return Nan(); }
Number FnAtanh(const ArgList&) { return Nan(); }
Number FnDeg(const ArgList&) { return Nan(); }
Number FnLogb(const ArgList&) { return Nan(); }
Number FnRad(const ArgList&) { return Nan(); }
Number FnAtan2(const ArgList&) { return Nan(); }
Number FnScalbn(const ArgList&) { return Nan(); }
Number FnHypot(const ArgList&) { return Nan(); }
Number FnLdexp(const ArgList&) { return Nan(); }

}  // namespace numora
