#include "engine/CalcEngine.h"

#include <limits>
#include <new>

#include "base/Text.h"
#include "engine/Builtins.h"
#include "engine/Cancel.h"
#include "engine/CharClass.h"
#include "engine/EngineTexts.h"
#include "engine/Expression.h"
#include "engine/Format.h"
#include "engine/MyriadNumeral.h"
#include "engine/Names.h"

namespace numora {

CalcEngine::CalcEngine() : CalcEngine(NoUserFunctions()) {}

CalcEngine::CalcEngine(const UserFunctionCatalogue& functions) : state_(functions) {
    Variables = &OwnVariables;
    Engine = &state_;
    BuiltinTable();
}

CalcEngine::Session CalcEngine::TakeSession() {
    Session session{
        std::move(OwnVariables),          state_.LastAnswer,    Result, std::move(ValueText),
        std::move(state_.LastAnswerUnit), std::move(ResultUnit)};
    OwnVariables.Clear();
    state_.LastAnswer = Number(0);
    state_.LastAnswerUnit.Terms.clear();
    Result = Number(0);
    ResultUnit.Terms.clear();
    ValueText.clear();
    return session;
}

void CalcEngine::RestoreSession(Session session) {
    OwnVariables = std::move(session.Variables);
    state_.LastAnswer = std::move(session.LastAnswer);
    Result = std::move(session.Result);
    ValueText = std::move(session.ValueText);
    state_.LastAnswerUnit = std::move(session.LastAnswerUnit);
    ResultUnit = std::move(session.ResultUnit);
}

int CalcEngine::Evaluate(std::u16string& line, std::int32_t& position) {
    return Guarded(line, position, true);
}

int CalcEngine::EvaluateTrial(std::u16string& line, std::int32_t& position) {
    state_.RefuseVolatile = true;
    state_.MetVolatile = false;
    const Number result = Result;
    const Unit resultUnit = ResultUnit;
    const std::u16string valueText = ValueText;
    int status = Guarded(line, position, false);
    if (state_.MetVolatile) status = kVolatileStatus;
    state_.RefuseVolatile = false;
    state_.MetVolatile = false;
    // What the status bar shows stays the last real line's.
    Result = result;
    ResultUnit = resultUnit;
    ValueText = valueText;
    return status;
}

int CalcEngine::EvaluateRecorded(std::u16string& line, std::int32_t& position, LineUndo& undo) {
    undo.Before.clear();
    undo.BeforeUnits.clear();
    undo.Stored = false;
    undo_ = &undo;
    const int status = Guarded(line, position, true);
    undo_ = nullptr;
    return status;
}

void CalcEngine::TakeBack(LineUndo& undo) {
    if (!undo.Stored) return;
    // Backwards: a line that names one variable twice ("a = a = 1") restores the first value.
    for (std::size_t i = undo.Before.size(); i-- > 0;) {
        const auto& [name, before] = undo.Before[i];
        if (before) {
            OwnVariables.Store(name, *before, undo.BeforeUnits[i]);
        } else {
            OwnVariables.Remove(name);
        }
    }
    state_.LastAnswer = std::move(undo.LastAnswer);
    state_.LastAnswerUnit = std::move(undo.LastAnswerUnit);
    undo.Before.clear();
    undo.BeforeUnits.clear();
    undo.Stored = false;
}

int CalcEngine::Guarded(std::u16string& line, std::int32_t& position, bool store) {
    int status;
    try {
        status = EvaluateLine(line, position, store);
    } catch (const std::bad_alloc&) {
        MessageText = texts::kOutOfMemory;
        status = -3;
    } catch (...) {
        MessageText = texts::kInternalError;
        status = -3;
    }
    state_.ActiveCalls.clear();
    if (status != 0 && CancelRequested(state_.Cancel)) {
        // Whatever failed on the way out (a user function adds its suffix), the user asked
        // for the stop, so that is what the line says.
        MessageText = texts::kCalculationCanceled;
        status = kCanceledStatus;
    }
    return status;
}

int CalcEngine::EvaluateLine(std::u16string& line, std::int32_t& position, bool store) {
    AssignTargets.clear();
    if (line.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        MessageText = texts::kLineTooLong;
        return -3;
    }

    // Collect the assignment targets: the names before each '='. An operator, parenthesis or ';'
    // anywhere before a later '=' makes that '=' illegal.
    std::u16string& name = NameBuffer;
    name.clear();
    std::int64_t lastOperator = -1;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char16_t c = line[i];
        if (c >= 0xFF01 && c <= 0xFF5E) {  // full-width ASCII
            c = static_cast<char16_t>(c - 0xFEE0);
            line[i] = c;
        }
        if (OperatorClass(c) != 0 || c == u';') {
            lastOperator = static_cast<std::int64_t>(i);
        } else if (c == u'=') {
            if (lastOperator != -1) {
                position = static_cast<std::int32_t>(lastOperator);
                MessageText = texts::kIllegalVariableNameChar;
                return -3;
            }
            if ((!name.empty() && IsDigit(name.front())) || ConstantIndex(name) != 0) {
                MessageText = FormatMessage(texts::kInvalidVariableName, name);
                return -3;
            }
            if (name.empty()) {
                MessageText = texts::kNoVariableName;
                return -3;
            }
            AssignTargets.push_back(name);
            std::size_t next = i + 1;
            SkipBlanks(line, next);
            position = static_cast<std::int32_t>(next);
            name.clear();
        } else if (IsGraphic(c)) {
            name.push_back(c);
        }
    }

    const int status = EvaluateExpression(*this, line, position);
    if (status != 0) return status;

    // The value's digits are written once; the result line and the status bar group them.
    const std::u16string digits = FormatNumber(Result, Digits);
    ValueText = state_.Options.GroupDigits ? GroupedDigits(digits) : digits;
    if (MessageText.empty()) {
        MessageText = state_.Options.MyriadGrouping ? Shown(digits) : ValueText;
        if (!ResultUnit.Empty()) AppendUnitSuffix(MessageText, ResultUnit);
    } else {
        // A top-level call such as hex() wrote a text; the value follows it.
        MessageText += texts::kValueOpen;
        MessageText += ValueText;
        MessageText += texts::kValueClose;
    }
    if (!store) return 0;
    if (undo_ != nullptr) {
        undo_->LastAnswer = state_.LastAnswer;
        undo_->LastAnswerUnit = state_.LastAnswerUnit;
        undo_->Stored = true;
    }
    state_.LastAnswer = Result;
    state_.LastAnswerUnit = ResultUnit;
    for (const std::u16string& target : AssignTargets) {
        std::u16string name = ToLowerAscii(target);
        if (undo_ != nullptr) {
            const Number* before = OwnVariables.Find(name);
            undo_->Before.emplace_back(name,
                                       before ? std::optional<Number>(*before) : std::nullopt);
            const Unit* unit = OwnVariables.FindUnit(name);
            undo_->BeforeUnits.push_back(unit != nullptr ? *unit : Unit{});
        }
        OwnVariables.Store(name, Result, ResultUnit);
    }
    return 0;
}

std::u16string CalcEngine::FormatValue(const Number& value) const {
    return Shown(FormatNumber(value, Digits));
}

std::u16string CalcEngine::Shown(std::u16string_view digits) const {
    if (state_.Options.MyriadGrouping) {
        std::u16string text = MyriadGrouped(digits);
        // Below 1万 and from 10^20 on the grouping in threes still applies when it is on.
        if (text.find_first_of(u"\u4E07\u5104\u5146\u4EAC") != std::u16string::npos) return text;
    }
    return state_.Options.GroupDigits ? GroupedDigits(digits) : std::u16string(digits);
}

std::u16string CalcEngine::FormatQuantity(const Number& value, const Unit* unit) const {
    std::u16string text = FormatValue(value);
    if (unit != nullptr && !unit->Empty()) AppendUnitSuffix(text, *unit);
    return text;
}

std::u16string CalcEngine::GetQuantityText() const {
    std::u16string text = ValueText;
    if (state_.Options.MyriadGrouping) {
        // ValueText is the value's digits, grouped in threes when that is on.
        std::erase(text, u',');
        text = Shown(text);
    }
    if (!ResultUnit.Empty()) AppendUnitSuffix(text, ResultUnit);
    return text;
}

std::u16string CalcEngine::FormatForStatus(StatusFormat format, bool grouped) const {
    return FormatStatusText(format, grouped, Result, ValueText);
}

}  // namespace numora
