#pragma once
// The checks a user function must pass before the edit dialog accepts it.
#include <QString>
#include <QStringList>
#include <functional>

namespace numora {

struct FunctionFields {
    QString FuncName;
    QString Parameter;  // as typed, e.g. "base;x"
    QString Expression;
    QString Explain;
};

// False when a character is full width or a control character; half-width letters, digits
// and symbols such as "_" or "." pass.
bool IsHalfWidthName(const QString& text);

// A name is taken when another function has it (any letter case) or a built-in function does.
using NameIsFree = std::function<bool(const QString& name)>;

// Trims the four fields in place and runs the checks in order. Returns the message of the
// first failing check, or an empty string when the function is acceptable. `nameOnEntry` is
// the name the function had when the dialog opened (empty for a new one).
QString CheckFunctionFields(FunctionFields& fields, const QString& nameOnEntry,
                            const NameIsFree& nameIsFree);

// Lower-cases A-Z only, the way the catalogue keys names.
QString AsciiLower(const QString& text);

}  // namespace numora
