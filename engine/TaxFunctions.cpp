#include "engine/TaxFunctions.h"

#include <boost/multiprecision/number.hpp>
#include <limits>

#include "engine/EngineState.h"
#include "engine/EngineTexts.h"
#include "engine/ExactArith.h"

namespace numora {

namespace {

bool DivisionByZero(std::u16string& message) {
    message = texts::kDivisionByZero;
    return false;
}

// 100·a/b: what percent a is of b.
bool Pct(const std::vector<Number>& a, const EvalOptions&, Number& value, std::u16string& message) {
    if (a[1].is_zero()) return DivisionByZero(message);
    value = Divide(Multiply(a[0], Number(100)), a[1]);
    return true;
}

// 100·(b − a)/a: the change from a to b in percent.
bool PctChange(const std::vector<Number>& a, const EvalOptions&, Number& value,
               std::u16string& message) {
    if (a[0].is_zero()) return DivisionByZero(message);
    value = Divide(Multiply(Subtract(a[1], a[0]), Number(100)), a[0]);
    return true;
}

// The rate and the rounding of a tax call: the arguments after the amount, else the settings.
bool RateAndRounding(const std::vector<Number>& a, const EvalOptions& options, Number& rate,
                     YenRounding& rounding, std::u16string& message) {
    if (a.size() > 1) {
        rate = a[1];
    } else {
        // The rate of the settings, made once for each rate a worksheet uses in turn.
        thread_local int madeFor = std::numeric_limits<int>::min();
        thread_local Number made;
        if (madeFor != options.TaxRate) {
            made = Divide(Number(options.TaxRate), Number(100));
            madeFor = options.TaxRate;
        }
        rate = made;
    }
    if (!(rate >= 0 && rate < 1)) {
        message = texts::kInvalidTaxRate;
        return false;
    }
    const Number mode = a.size() > 2 ? a[2] : Number(options.TaxRounding);
    if (mode == -1) {
        rounding = YenRounding::Down;
    } else if (mode == 0) {
        rounding = YenRounding::HalfUp;
    } else if (mode == 1) {
        rounding = YenRounding::Up;
    } else {
        message = texts::kInvalidTaxRounding;
        return false;
    }
    return true;
}

// The tax on an amount without it (外税), or the tax inside an amount with it (内税).
bool TaxOf(const std::vector<Number>& a, const EvalOptions& options, bool included, Number& tax,
           std::u16string& message) {
    Number rate;
    YenRounding rounding{};
    if (!RateAndRounding(a, options, rate, rounding, message)) return false;
    Number exact = Multiply(a[0], rate);
    if (included) exact = Divide(exact, Add(Number(1), rate));
    tax = RoundYen(exact, rounding);
    return true;
}

bool Tax(const std::vector<Number>& a, const EvalOptions& o, Number& value, std::u16string& m) {
    return TaxOf(a, o, false, value, m);
}

bool TaxPlus(const std::vector<Number>& a, const EvalOptions& o, Number& value, std::u16string& m) {
    Number tax;
    if (!TaxOf(a, o, false, tax, m)) return false;
    value = Add(a[0], tax);
    return true;
}

bool TaxIncluded(const std::vector<Number>& a, const EvalOptions& o, Number& value,
                 std::u16string& m) {
    return TaxOf(a, o, true, value, m);
}

bool TaxMinus(const std::vector<Number>& a, const EvalOptions& o, Number& value,
              std::u16string& m) {
    Number tax;
    if (!TaxOf(a, o, true, tax, m)) return false;
    value = Subtract(a[0], tax);
    return true;
}

}  // namespace

const std::vector<PercentFunction>& PercentFunctionTable() {
    static const std::vector<PercentFunction> table = {
        {u"pct", u"Pct", 2, 2, Pct},
        {u"pctchange", u"PctChange", 2, 2, PctChange},
        {u"tax", u"Tax", 1, 3, Tax},
        {u"taxplus", u"TaxPlus", 1, 3, TaxPlus},
        {u"taxincluded", u"TaxIncluded", 1, 3, TaxIncluded},
        {u"taxminus", u"TaxMinus", 1, 3, TaxMinus},
        {u"\u6D88\u8CBB\u7A0E", u"\u6D88\u8CBB\u7A0E", 1, 3, Tax},  // 消費税
        {u"\u7A0E\u8FBC", u"\u7A0E\u8FBC", 1, 3, TaxPlus},          // 税込
        {u"\u5185\u7A0E", u"\u5185\u7A0E", 1, 3, TaxIncluded},      // 内税
        {u"\u7A0E\u629C", u"\u7A0E\u629C", 1, 3, TaxMinus},         // 税抜
    };
    return table;
}

const PercentFunction* FindPercentFunction(std::u16string_view lowerName) {
    for (const PercentFunction& function : PercentFunctionTable()) {
        if (function.Name == lowerName) return &function;
    }
    return nullptr;
}

bool CallPercentFunction(const PercentFunction& function, const ArgumentList& arguments,
                         EngineState& engine, Number& value, std::u16string& message) {
    if (!CheckArgumentCount(arguments, function.MinParams, function.MaxParams, message)) {
        return false;
    }
    ArgList& values = engine.BuiltinArguments;
    values.clear();
    for (const Argument& argument : arguments) {
        if (!argument.Of.Empty()) {
            message = texts::kUnitNotAllowed;
            return false;
        }
        values.push_back(argument.Value);
    }
    return function.Impl(values, engine.Options, value, message);
}

Number RoundYen(const Number& x, YenRounding mode) {
    if (!boost::multiprecision::isfinite(x)) return x;
    static const Number half("0.5");
    static const Number one(1);
    const bool negative = x < 0;
    const Number magnitude = negative ? Number(-x) : x;
    Number whole = boost::multiprecision::floor(magnitude);
    if (mode != YenRounding::Down) {
        const Number fraction = Subtract(magnitude, whole);
        if ((mode == YenRounding::HalfUp && fraction >= half) ||
            (mode == YenRounding::Up && !fraction.is_zero())) {
            whole = Add(whole, one);
        }
    }
    if (whole.is_zero()) return Number(0);
    return negative ? Number(-whole) : whole;
}

}  // namespace numora
