#pragma once
// The implementations behind the built-in function table, by family.
#include <string>

#include "engine/Builtins.h"

namespace numora {

// Elementary mathematics.
Number FnAbs(const ArgList& a);
Number FnInt(const ArgList& a);
Number FnFrac(const ArgList& a);
Number FnCeil(const ArgList& a);
Number FnFloor(const ArgList& a);
Number FnRound(const ArgList& a);
Number FnTrunc(const ArgList& a);
Number FnExp(const ArgList& a);
Number FnExp2(const ArgList& a);
Number FnLn(const ArgList& a);
Number FnLog2(const ArgList& a);
Number FnLog10(const ArgList& a);
Number FnSqrt(const ArgList& a);
Number FnCbrt(const ArgList& a);
Number FnSin(const ArgList& a);
Number FnCos(const ArgList& a);
Number FnTan(const ArgList& a);
Number FnAsin(const ArgList& a);
Number FnAcos(const ArgList& a);
Number FnAtan(const ArgList& a);
Number FnSinh(const ArgList& a);
Number FnCosh(const ArgList& a);
Number FnTanh(const ArgList& a);
Number FnAsinh(const ArgList& a);
Number FnAcosh(const ArgList& a);
Number FnAtanh(const ArgList& a);
Number FnDeg(const ArgList& a);
Number FnLogb(const ArgList& a);
Number FnRad(const ArgList& a);
Number FnAtan2(const ArgList& a);
Number FnScalbn(const ArgList& a);
Number FnHypot(const ArgList& a);
Number FnLdexp(const ArgList& a);

// Date and time.
Number FnDate(const ArgList& a);
Number FnTime(const ArgList& a);
Number FnNow(const ArgList& a);
Number FnDayOfWeek(const ArgList& a);
Number FnFormatTime(const ArgList& a, std::u16string& text);
Number FnIncMonth(const ArgList& a);
Number FnToDate(const ArgList& a);
Number FnToTime(const ArgList& a);
Number FnTimeSpan(const ArgList& a);
Number FnUnixTime(const ArgList& a);
Number FnExcelTime(const ArgList& a);

// Bit operations, Format, Hex and Random (whose generator is the engine's).
Number FnRandom(const ArgList& a, EngineState& engine);
Number FnNot(const ArgList& a);
Number FnHex(const ArgList& a, std::u16string& text);
Number FnOr(const ArgList& a);
Number FnAnd(const ArgList& a);
Number FnXor(const ArgList& a);
Number FnNor(const ArgList& a);
Number FnNand(const ArgList& a);
Number FnBsl(const ArgList& a);
Number FnBsr(const ArgList& a);
Number FnBit(const ArgList& a);
Number FnFormat(const ArgList& a, std::u16string& text);

}  // namespace numora
