#include "engine/Names.h"

#include <array>
#include <boost/math/constants/constants.hpp>

#include "engine/EngineState.h"
#include "engine/EngineTexts.h"

namespace numora {

namespace {

// Constants 2..7 in index order.
const std::array<Number, 6>& ConstantTable() {
    namespace c = boost::math::constants;
    static const std::array<Number, 6> table = {
        c::pi<Number>(),    c::e<Number>(),      c::root_two<Number>(),
        c::euler<Number>(), c::radian<Number>(), c::degree<Number>(),
    };
    return table;
}

}  // namespace

int ConstantIndex(std::u16string_view name) {
    if (name == u"@") return 1;
    if (name == u"pi" || name == u"\u03C0") return 2;
    if (name == u"exp") return 3;
    if (name == u"root2" || name == u"sqr2") return 4;
    if (name == u"euler") return 5;
    if (name == u"radian") return 6;
    if (name == u"degree") return 7;
    return 0;
}

Number ConstantValue(int index, const Number& lastAnswer) {
    if (index == 1) return lastAnswer;
    if (index < 2 || index > 7) return Number(0);
    return ConstantTable()[static_cast<std::size_t>(index - 2)];
}

bool LookupName(EvalContext& context, std::u16string_view name, Number& value) {
    std::u16string& lower = context.Engine->LowerName;
    lower.assign(name);
    for (char16_t& c : lower) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    }
    if (const int index = ConstantIndex(lower); index != 0) {
        value = ConstantValue(index, context.Engine->LastAnswer);
        return true;
    }
    if (context.Variables != nullptr) {
        if (const Number* found = context.Variables->Find(lower)) {
            value = *found;
            return true;
        }
    }
    if (NameSource* names = context.Engine->Names) {
        switch (names->Find(lower, value, context.MessageText)) {
            case NameSource::Found::Value:
                return true;
            case NameSource::Found::Failed:
                return false;
            case NameSource::Found::No:
                break;
        }
    }
    context.MessageText = FormatMessage(texts::kNotVariable, name);
    return false;
}

}  // namespace numora
