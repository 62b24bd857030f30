#include "userfunc/dialogs/FunctionCheck.h"

#include "engine/CharClass.h"
#include "userfunc/UserFunctionStore.h"
#include "userfunc/dialogs/FunctionDlgTexts.h"

namespace numora {

namespace {

bool HasForbiddenChar(const QString& text) {
    return ContainsForbiddenNameChar(text.toStdU16String());
}

bool StartsWithDigit(const QString& text) {
    return !text.isEmpty() && IsDigit(text.front().unicode());
}

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

bool IsHalfWidthName(const QString& text) {
    for (const QChar c : text) {
        if (IsFullWidth(c.unicode()) || IsControl(c.unicode())) return false;
    }
    return true;
}

QString AsciiLower(const QString& text) {
    QString lower = text;
    for (QChar& c : lower) {
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return lower;
}

QString CheckFunctionFields(FunctionFields& fields, const QString& nameOnEntry,
                            const NameIsFree& nameIsFree) {
    using T = FunctionDlgTexts;
    fields.FuncName = fields.FuncName.trimmed();
    fields.Parameter = fields.Parameter.trimmed();
    fields.Expression = fields.Expression.trimmed();
    fields.Explain = fields.Explain.trimmed();
    const QString& name = fields.FuncName;
    const QString& parameter = fields.Parameter;

    if (name.isEmpty()) return T::kNameEmpty();
    if (parameter.isEmpty()) return T::kParameterEmpty();
    if (fields.Expression.isEmpty()) return T::kExpressionEmpty();
    // Changing only the letter case of its own name does not collide with itself.
    if (AsciiLower(name) != AsciiLower(nameOnEntry) && !nameIsFree(name)) return T::kNameTaken();
    if (HasForbiddenChar(name)) return T::kNameForbiddenFormat().arg(T::kForbiddenList);
    if (StartsWithDigit(name)) return T::kNameStartsWithDigit();
    if (!IsHalfWidthName(name)) return T::kNameNotHalfWidth();
    if (HasForbiddenChar(parameter)) return T::kParameterForbiddenFormat().arg(T::kForbiddenList);
    for (const QString& piece : parameter.split(u';')) {
        if (StartsWithDigit(piece.trimmed())) return T::kParameterStartsWithDigit();
    }
    if (!IsHalfWidthName(parameter)) return T::kParameterNotHalfWidth();
    return {};
}

}  // namespace numora
