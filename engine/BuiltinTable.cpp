#include "engine/BuiltinImpls.h"
#include "engine/Builtins.h"

namespace numora {

namespace {

std::uint8_t Count(int params) { return static_cast<std::uint8_t>(params); }

BuiltinFunction Row(std::u16string_view name, BuiltinImpl impl, int minParams, int maxParams) {
    return {
        .Name = name, .Impl = impl, .MinParams = Count(minParams), .MaxParams = Count(maxParams)};
}

BuiltinFunction Text(std::u16string_view name, BuiltinTextImpl impl, int minParams, int maxParams) {
    return {.Name = name,
            .TextImpl = impl,
            .MinParams = Count(minParams),
            .MaxParams = Count(maxParams),
            .ReturnsText = true};
}

BuiltinFunction Stateful(std::u16string_view name, BuiltinEngineImpl impl, int minParams,
                         int maxParams) {
    return {.Name = name,
            .EngineImpl = impl,
            .MinParams = Count(minParams),
            .MaxParams = Count(maxParams)};
}

BuiltinFunction Volatile(BuiltinFunction row) {
    row.Volatile = true;
    return row;
}

std::vector<BuiltinFunction> MakeTable() {
    // Table order matters only for lookup ties, and there are none; aliases share an Impl.
    return {
        Volatile(Row(u"date", FnDate, 0, 1)),
        Volatile(Row(u"time", FnTime, 0, 1)),
        Volatile(Row(u"now", FnNow, 0, 1)),
        Volatile(Stateful(u"random", FnRandom, 0, 1)),
        Row(u"abs", FnAbs, 1, 1),
        Row(u"int", FnInt, 1, 1),
        Row(u"frac", FnFrac, 1, 1),
        Row(u"ceil", FnCeil, 1, 1),
        Row(u"floor", FnFloor, 1, 1),
        Row(u"round", FnRound, 1, 1),
        Row(u"trunc", FnTrunc, 1, 1),
        Row(u"exp", FnExp, 1, 1),
        Row(u"exp2", FnExp2, 1, 1),
        Row(u"ln", FnLn, 1, 1),
        Row(u"log2", FnLog2, 1, 1),
        Row(u"log", FnLog10, 1, 1),
        Row(u"log10", FnLog10, 1, 1),
        Row(u"sqrt", FnSqrt, 1, 1),
        Row(u"sqr", FnSqrt, 1, 1),
        Row(u"cbrt", FnCbrt, 1, 1),
        Row(u"cbr", FnCbrt, 1, 1),
        Row(u"sin", FnSin, 1, 1),
        Row(u"cos", FnCos, 1, 1),
        Row(u"tan", FnTan, 1, 1),
        Row(u"asin", FnAsin, 1, 1),
        Row(u"acos", FnAcos, 1, 1),
        Row(u"atan", FnAtan, 1, 1),
        Row(u"sinh", FnSinh, 1, 1),
        Row(u"cosh", FnCosh, 1, 1),
        Row(u"tanh", FnTanh, 1, 1),
        Row(u"asinh", FnAsinh, 1, 1),
        Row(u"acosh", FnAcosh, 1, 1),
        Row(u"atanh", FnAtanh, 1, 1),
        Row(u"deg", FnDeg, 1, 1),
        Row(u"todeg", FnDeg, 1, 1),
        Row(u"radtodeg", FnDeg, 1, 1),
        Row(u"not", FnNot, 1, 1),
        Row(u"logb", FnLogb, 1, 1),
        Text(u"hex", FnHex, 1, 1),
        Row(u"dayofweek", FnDayOfWeek, 1, 2),
        Text(u"formattime", FnFormatTime, 1, 2),
        Row(u"rad", FnRad, 1, 3),
        Row(u"torad", FnRad, 1, 3),
        Row(u"degtorad", FnRad, 1, 3),
        Row(u"atan2", FnAtan2, 2, 2),
        Row(u"scalbn", FnScalbn, 2, 2),
        Row(u"hypot", FnHypot, 2, 2),
        Row(u"ldexp", FnLdexp, 2, 2),
        Row(u"or", FnOr, 2, 2),
        Row(u"and", FnAnd, 2, 2),
        Row(u"xor", FnXor, 2, 2),
        Row(u"nor", FnNor, 2, 2),
        Row(u"nand", FnNand, 2, 2),
        Row(u"bsl", FnBsl, 2, 2),
        Row(u"bsr", FnBsr, 2, 2),
        Row(u"bit", FnBit, 2, 2),
        Row(u"incmonth", FnIncMonth, 2, 3),
        Text(u"format", FnFormat, 2, 3),
        Row(u"todate", FnToDate, 3, 4),
        Row(u"totime", FnToTime, 3, 4),
        Row(u"timespan", FnTimeSpan, 4, 4),
        Row(u"unixtime", FnUnixTime, 6, 6),
        Row(u"exceltime", FnExcelTime, 6, 6),
    };
}

}  // namespace

const std::vector<BuiltinFunction>& BuiltinTable() {
    static const std::vector<BuiltinFunction> table = MakeTable();
    return table;
}

const BuiltinFunction* FindBuiltin(std::u16string_view lowerName) {
    for (const BuiltinFunction& row : BuiltinTable()) {
        if (row.Name == lowerName) return &row;
    }
    return nullptr;
}

}  // namespace numora
