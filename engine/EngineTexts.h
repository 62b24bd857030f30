#pragma once
// Every text the engine shows: its error messages and the details of rejected number literals.
// "%s" and "%d" are filled in by FormatMessage.
#include <string>
#include <string_view>

namespace numora::texts {

// Assignment targets.
inline constexpr std::u16string_view kIllegalVariableNameChar =
    u"Error : Illegal Variable Name Charactor";
inline constexpr std::u16string_view kInvalidVariableName = u"Error : Invalid Variable Name \"%s\"";
inline constexpr std::u16string_view kNoVariableName = u"Error : No Variable Name";

// Expressions.
inline constexpr std::u16string_view kDivisionByZero = u"Error : Division by zero";
inline constexpr std::u16string_view kNoParenthesis = u"Error : No Parenthesis";
inline constexpr std::u16string_view kIllegalExpression = u"Error : Illegal Expression";
inline constexpr std::u16string_view kNoOperand = u"Error : Invalid Constant (No Operand)";
inline constexpr std::u16string_view kNoConstant = u"Error : Invalid Constant (No Constant)";
inline constexpr std::u16string_view kInvalidValue = u"Error : Invalid Value %s";
inline constexpr std::u16string_view kNoValueInParentheses = u"Error : No Value in parentheses";
inline constexpr std::u16string_view kInvalidParenthesis = u"Error : Invalid Parenthesis";
inline constexpr std::u16string_view kIllegalCharacter = u"Error : Illegal Character";
inline constexpr std::u16string_view kNotVariable = u"Error : \"%s\" is Not Variable";

// Function calls.
inline constexpr std::u16string_view kInvalidFunctionParenthesis =
    u"Error : Invalid Function Parenthesis";
inline constexpr std::u16string_view kNoFunctionParameter = u"Error : No Function Parameter";
inline constexpr std::u16string_view kUpToParameters =
    u"Error : Invalid Function Parameter (Up to %d Parameter(s))";
inline constexpr std::u16string_view kParametersRequired =
    u"Error : Invalid Function Parameter (%d Parameters Required)";
inline constexpr std::u16string_view kMinimumParametersRequired =
    u"Error : Invalid Function Parameter (Minimum of %d Parameters Required)";
inline constexpr std::u16string_view kUserParameterCount =
    u"Error : Invalid Function Parameter (%d Parameter(s))";
inline constexpr std::u16string_view kMultipleFunctionCall = u"Error : Multiple Fuction Call";
inline constexpr std::u16string_view kUserFunctionSuffix = u" (User Function)";
inline constexpr std::u16string_view kNotFunction = u"Error : \"%s\" is Not Function";
inline constexpr std::u16string_view kCallsTooDeep = u"Error : Function Calls Nested Too Deeply";

// Units in brackets. A unit is shown as "[km/h]", a bare number as kNoUnitLabel.
inline constexpr std::u16string_view kUnknownUnit = u"Error : Unknown Unit \"%s\"";
inline constexpr std::u16string_view kDidYouMean = u" (Did you mean [%s]?)";
inline constexpr std::u16string_view kAmbiguousUnit = u"Error : Ambiguous Unit \"%s\" (Say %s)";
inline constexpr std::u16string_view kNoUnit = u"Error : No Unit";
inline constexpr std::u16string_view kInvalidUnit = u"Error : Invalid Unit Expression";
inline constexpr std::u16string_view kNoUnitBracket = u"Error : No Closing Bracket";
inline constexpr std::u16string_view kUnitMismatch = u"Error : Unit Mismatch ";
inline constexpr std::u16string_view kCannotConvert = u"Error : Cannot Convert %s to %s";
inline constexpr std::u16string_view kNoUnitLabel = u"No Unit";
inline constexpr std::u16string_view kTemperaturesAdded =
    u"Error : Absolute Temperatures cannot be Added";
inline constexpr std::u16string_view kTemperatureScaled =
    u"Error : Absolute Temperatures cannot be Multiplied";
inline constexpr std::u16string_view kTemperatureSubtracted =
    u"Error : Absolute Temperatures cannot be Subtracted from a Difference";
inline constexpr std::u16string_view kExponentWithUnit = u"Error : Exponent has a Unit";
inline constexpr std::u16string_view kUnitExponent = u"Error : Unit Exponent is not Integer";
inline constexpr std::u16string_view kUnitExponentRange = u"Error : Unit Exponent out of Range";
inline constexpr std::u16string_view kUnitNotAllowed =
    u"Error : Invalid Function Parameter (Unit not Allowed)";
inline constexpr std::u16string_view kUnitTwice = u"Error : Value has a Unit already";

// Percentages, consumption tax and numbers written with 万 and 億.
inline constexpr std::u16string_view kMyriadOrder = u" (Largest Unit First, Once Each)";
inline constexpr std::u16string_view kMyriadDigits = u" (Too Many Digits after %s)";
inline constexpr std::u16string_view kInvalidTaxRate =
    u"Error : Invalid Tax Rate (Write 10% or 0.1)";
inline constexpr std::u16string_view kInvalidTaxRounding =
    u"Error : Invalid Rounding (-1 Round Down, 0 Round Half Up, 1 Round Up)";

// Last-resort failures of a whole line.
inline constexpr std::u16string_view kLineTooLong = u"Error : Line Too Long";
inline constexpr std::u16string_view kOutOfMemory = u"Error : Out of Memory";
inline constexpr std::u16string_view kInternalError = u"Error : Evaluation Failed";
inline constexpr std::u16string_view kCalculationCanceled = u"Error : Calculation Canceled";

// Details of a rejected number literal, put into kInvalidValue.
inline constexpr std::u16string_view kNoHexadecimalValue = u"(No Hexadecimal Value)";
inline constexpr std::u16string_view kNoBinaryValue = u"(No Binary Value)";
inline constexpr std::u16string_view kNoDecimalValue = u"(No Decimal Value)";
inline constexpr std::u16string_view kMultipleE = u" (Multiple 'e')";
inline constexpr std::u16string_view kExponentNotInteger = u" (Exponent Part is not Integer)";
inline constexpr std::u16string_view kMultipleDot = u" (Multiple '.')";
inline constexpr std::u16string_view kNoExponentValue = u" (No Exponent Part Value)";
inline constexpr std::u16string_view kExponentOutOfRange = u" (Exponent Part is out of Range)";
inline constexpr std::u16string_view kUnreadableValue = u" (Unreadable Value)";

// Result text of a line whose top-level call wrote a text: text + " (@" + value + ")".
inline constexpr std::u16string_view kValueOpen = u" (@";
inline constexpr std::u16string_view kValueClose = u")";

}  // namespace numora::texts

namespace numora {

// Replaces the first "%s" in `pattern` by `text`, with each tab in it shown as a blank.
std::u16string FormatMessage(std::u16string_view pattern, std::u16string_view text);
// Replaces the first "%d" in `pattern` by the decimal form of `number`.
std::u16string FormatMessage(std::u16string_view pattern, int number);

}  // namespace numora
