// Placeholder implementations: NaN until this family is written.
#include <limits>

#include "engine/BuiltinImpls.h"

namespace numora {

namespace {
Number Nan() { return std::numeric_limits<Number>::quiet_NaN(); }
}  // namespace

Number FnRandom(const ArgList&) { return Nan(); }
Number FnNot(const ArgList&) { return Nan(); }
Number FnHex(const ArgList&, std::u16string&) { return Nan(); }
Number FnOr(const ArgList&) { return Nan(); }
Number FnAnd(const ArgList&) { return Nan(); }
Number FnXor(const ArgList&) { return Nan(); }
Number FnNor(const ArgList&) { return Nan(); }
Number FnNand(const ArgList&) { return Nan(); }
Number FnBsl(const ArgList&) { return Nan(); }
Number FnBsr(const ArgList&) { return Nan(); }
Number FnBit(const ArgList&) { return Nan(); }
Number FnFormat(const ArgList&, std::u16string&) { return Nan(); }

}  // namespace numora
