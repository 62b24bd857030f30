#include "engine/UnitFunctions.h"

#include <array>

#include "engine/EngineTexts.h"

namespace numora {

namespace {

bool OneOf(std::u16string_view name, std::initializer_list<std::u16string_view> names) {
    for (std::u16string_view n : names) {
        if (n == name) return true;
    }
    return false;
}

// The second argument in the first one's unit.
bool SameUnit(const ArgumentList& arguments, ArgList& values, std::u16string& message) {
    Unit second = arguments[1].Of;
    Number value = arguments[1].Value;
    if (HasAbsoluteTemperature(arguments[0].Of) || HasAbsoluteTemperature(second)) {
        message = texts::kTemperatureScaled;
        return false;
    }
    if (arguments[0].Of.Empty() || !ConvertQuantity(value, second, arguments[0].Of, message)) {
        message = texts::kUnitMismatch;
        message += UnitLabel(arguments[0].Of);
        message += u" ; ";
        message += UnitLabel(arguments[1].Of);
        return false;
    }
    values.push_back(arguments[0].Value);
    values.push_back(std::move(value));
    return true;
}

}  // namespace

bool UnitArguments(std::u16string_view lowerName, const ArgumentList& arguments, ArgList& values,
                   Unit& unit, std::u16string& message) {
    const Argument& first = arguments.front();
    if (arguments.size() == 1) {
        if (OneOf(lowerName, {u"abs", u"int", u"frac", u"ceil", u"floor", u"round", u"trunc"})) {
            values.push_back(first.Value);
            unit = first.Of;
            return true;
        }
        const bool square = OneOf(lowerName, {u"sqrt", u"sqr"});
        if (square || OneOf(lowerName, {u"cbrt", u"cbr"})) {
            unit = first.Of;
            if (!RootUnit(unit, square ? 2 : 3, message)) return false;
            values.push_back(first.Value);
            return true;
        }
        if (OneOf(lowerName, {u"sin", u"cos", u"tan"})) {
            Number radians = first.Value;
            if (!AsRadians(radians, first.Of, message)) return false;
            values.push_back(std::move(radians));
            return true;
        }
    } else if (arguments.size() == 2 && OneOf(lowerName, {u"hypot", u"atan2"})) {
        if (!SameUnit(arguments, values, message)) return false;
        if (lowerName == u"hypot") unit = first.Of;
        return true;
    }
    message = texts::kUnitNotAllowed;
    return false;
}

}  // namespace numora
