#include "shell/insert/UnitCompletionRows.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdlib>

#include "engine/UnitTable.h"
#include "shell/insert/UnitHelpTable.h"
#include "ui/InterfaceLanguage.h"

namespace numora {

namespace {

QString Translated(const char* source) {
    return QCoreApplication::translate(kUnitHelpContext, source);
}

// The table's own help line in the interface's language.
QString RowHelp(std::size_t row) {
    const UnitRow& unit = UnitRows()[row];
    const bool english = InterfaceLanguage() == QLatin1String("en") && !unit.English.empty();
    return QString::fromStdU16String(std::u16string(english ? unit.English : unit.Help));
}

// A power of ten as people write it: "1000", "0.01", "10⁹", "10⁻¹²".
QString PowerOfTen(int exponent) {
    if (exponent >= 0 && exponent <= 3)
        return QString::number(static_cast<int>(std::pow(10, exponent)));
    if (exponent < 0 && exponent >= -3) {
        return QStringLiteral("0.") + QString(-exponent - 1, u'0') + u'1';
    }
    static const char16_t kSuperscript[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString text = QStringLiteral("10");
    if (exponent < 0) text += u'⁻';
    for (const QChar digit : QString::number(std::abs(exponent))) {
        text += QChar(kSuperscript[digit.digitValue()]);
    }
    return text;
}

}  // namespace

QString UnitHelpLine(const UnitChoice& choice) {
    const QString help = RowHelp(static_cast<std::size_t>(choice.row));
    if (choice.prefix < 0) return help;
    const UnitPrefix& prefix = UnitPrefixes()[static_cast<std::size_t>(choice.prefix)];
    QString word;
    for (const UnitPrefixWord& entry : UnitPrefixWords()) {
        if (entry.prefix == prefix.Name) word = Translated(entry.word);
    }
    // "キロ" + "メートル", the unit's word without what it equals.
    word += help.section(QStringLiteral(" = "), 0, 0);
    const QString unit = QString::fromStdU16String(
        std::u16string(UnitRows()[static_cast<std::size_t>(choice.row)].Names[0]));
    return word + QStringLiteral(" = ") + PowerOfTen(prefix.Exponent) + u' ' + unit;
}

std::vector<CompletionRow> UnitCompletionRows(std::u16string_view typed, std::size_t limit) {
    std::vector<CompletionRow> rows;
    for (const UnitChoice& choice : FindUnits(typed, limit)) {
        const QString name = QString::fromStdU16String(choice.name);
        rows.push_back({name, name, UnitHelpLine(choice), false, true});
    }
    return rows;
}

}  // namespace numora
