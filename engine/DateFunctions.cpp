// Placeholder implementations: NaN until this family is written.
#include <limits>

#include "engine/BuiltinImpls.h"

namespace numora {

namespace {
Number Nan() { return std::numeric_limits<Number>::quiet_NaN(); }
}  // namespace

Number FnDate(const ArgList&) { return Nan(); }
Number FnTime(const ArgList&) { return Nan(); }
Number FnNow(const ArgList&) { return Nan(); }
Number FnDayOfWeek(const ArgList&) { return Nan(); }
Number FnFormatTime(const ArgList&, std::u16string&) { return Nan(); }
Number FnIncMonth(const ArgList&) { return Nan(); }
Number FnToDate(const ArgList&) { return Nan(); }
Number FnToTime(const ArgList&) { return Nan(); }
Number FnTimeSpan(const ArgList&) { return Nan(); }
Number FnUnixTime(const ArgList&) { return Nan(); }
Number FnExcelTime(const ArgList&) { return Nan(); }

}  // namespace numora
