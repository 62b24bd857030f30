#include "shell/insert/CompletionCatalogue.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <set>
#include <string_view>

#include "base/Text.h"
#include "engine/Builtins.h"
#include "engine/Format.h"
#include "engine/Names.h"
#include "engine/TaxFunctions.h"
#include "shell/insert/FunctionMenuTable.h"
#include "shell/insert/UnitCompletionRows.h"
#include "worksheet/Worksheet.h"

namespace numora {

namespace {

using Kind = CompletionItem::Kind;

constexpr const char16_t* kConstants[] = {u"pi",   u"π",     u"exp",    u"root2",
                                          u"sqr2", u"euler", u"radian", u"degree"};

// The built-in functions people call most, the most first: "sq" means Sqrt before Sqr2, "lo"
// Log before Log10. The others follow them by length and name.
constexpr std::u16string_view kMostUsed[] = {
    u"sqrt",  u"sin",    u"cos",   u"tan",  u"log",  u"ln",    u"exp",   u"abs",
    u"round", u"int",    u"floor", u"ceil", u"atan", u"asin",  u"acos",  u"atan2",
    u"hypot", u"log10",  u"log2",  u"cbrt", u"frac", u"trunc", u"sinh",  u"cosh",
    u"tanh",  u"random", u"now",   u"date", u"time", u"hex",   u"format"};

std::int32_t UsageOf(std::u16string_view lowerName) {
    const auto* found = std::find(std::begin(kMostUsed), std::end(kMostUsed), lowerName);
    return static_cast<std::int32_t>(std::end(kMostUsed) - found);
}

// "Name(arguments)" in a help text.
const QRegularExpression& CallPattern() {
    static const QRegularExpression call(QStringLiteral("([A-Za-z][A-Za-z0-9_]*)\\(([^)]*)\\)"));
    return call;
}

// A menu item's help, "正弦 : Sin(Radian)": the description before " : ", the calls after it
// ("or Log10(x)" names another spelling), and the arguments of the call of the item's name.
struct EntryHelp {
    QString name;
    QString description;
    QString calls;
    QString arguments;
};

EntryHelp HelpOfEntry(const FunctionMenuItem& entry) {
    EntryHelp out;
    out.name = QString::fromUtf8(entry.text).section(u'\t', 0, 0);
    const QString help = QCoreApplication::translate(kFunctionMenuContext, entry.help);
    const qsizetype colon = help.indexOf(QStringLiteral(" : "));
    out.description = colon < 0 ? help : help.left(colon);
    out.calls = colon < 0 ? QString() : help.mid(colon + 3);
    for (const auto& match : CallPattern().globalMatch(out.calls)) {
        if (match.captured(1).compare(out.name, Qt::CaseInsensitive) == 0) {
            out.arguments = match.captured(2);
            break;
        }
    }
    return out;
}

}  // namespace

std::vector<CompletionItem> BuiltinCompletionItems() {
    std::vector<CompletionItem> items;
    std::set<std::u16string> named;  // lower case
    for (const FunctionSubmenu& submenu : BuiltinFunctionMenuTable()) {
        for (const FunctionMenuItem& entry : submenu.items) {
            if (entry.text == nullptr) continue;
            const auto [name, description, calls, arguments] = HelpOfEntry(entry);
            for (const auto& match : CallPattern().globalMatch(calls)) {
                const std::u16string spelling = match.captured(1).toStdU16String();
                const std::u16string lower = ToLowerAscii(spelling);
                if (FindBuiltin(lower) == nullptr || !named.insert(lower).second) continue;
                items.push_back({spelling, arguments.toStdU16String(), description.toStdU16String(),
                                 Kind::Builtin});
            }
            if (named.insert(ToLowerAscii(name.toStdU16String())).second) {
                items.push_back({name.toStdU16String(), arguments.toStdU16String(),
                                 description.toStdU16String(), Kind::Builtin});
            }
        }
    }
    // Functions that no menu shows still complete, with their places as arguments.
    for (const BuiltinFunction& function : BuiltinTable()) {
        if (named.count(std::u16string(function.Name)) != 0) continue;
        named.insert(std::u16string(function.Name));
        std::u16string arguments;
        for (int i = 0; i < function.MaxParams; ++i) {
            if (i > 0) arguments += u"; ";
            arguments += static_cast<char16_t>(u'a' + i);
        }
        items.push_back({std::u16string(function.Name), arguments, {}, Kind::Builtin});
    }
    for (CompletionItem& item : items) item.usage = UsageOf(ToLowerAscii(item.name));
    for (const char16_t* constant : kConstants) items.push_back({constant, {}, {}, Kind::Constant});
    return items;
}

std::vector<CompletionItem> TotalsCompletionItems() {
    std::vector<CompletionItem> items;
    for (const FunctionMenuItem& entry : TotalsMenuTable().items) {
        const EntryHelp help = HelpOfEntry(entry);
        items.push_back(
            {help.name.toStdU16String(), {}, help.description.toStdU16String(), Kind::Constant});
    }
    return items;
}

std::vector<CompletionItem> PercentCompletionItems() {
    std::vector<CompletionItem> items;
    for (const FunctionMenuItem& entry : PercentMenuTable().items) {
        if (entry.text == nullptr) continue;
        const EntryHelp help = HelpOfEntry(entry);
        items.push_back({help.name.toStdU16String(), help.arguments.toStdU16String(),
                         help.description.toStdU16String(), Kind::Builtin});
    }
    // The Japanese names share the help of the function they call.
    const auto& table = PercentFunctionTable();
    for (const PercentFunction& function : table) {
        const auto same = std::find_if(items.begin(), items.end(), [&](const CompletionItem& item) {
            const PercentFunction* named = FindPercentFunction(ToLowerAscii(item.name));
            return named != nullptr && named->Impl == function.Impl;
        });
        if (same == items.end() || ToLowerAscii(same->name) == function.Name) continue;
        CompletionItem item = *same;
        item.name = std::u16string(function.Display);
        items.push_back(std::move(item));
    }
    return items;
}

CompletionCatalogue::CompletionCatalogue(const UserFunctionCatalogue& functions,
                                         const Worksheet& sheet)
    : functionSource_(functions), sheet_(sheet) {}

TypingHelp::Source CompletionCatalogue::Source() {
    return {
        [this] { return Indexes(); },
        [this](std::size_t index, std::size_t item) { return HelpOf(index, item); },
        [](std::u16string_view typed) { return UnitCompletionRows(typed, TypingHelp::kMaxRows); }};
}

std::vector<const CompletionIndex*> CompletionCatalogue::Indexes() {
    if (!builtinsBuilt_) {
        builtins_.Assign(BuiltinCompletionItems());
        totals_.Assign(TotalsCompletionItems());
        percent_.Assign(PercentCompletionItems());
        builtinsBuilt_ = true;
    }
    if (functionsStale_) {
        std::vector<CompletionItem> items;
        for (const auto& [key, function] : functionSource_.Entries()) {
            std::u16string arguments;
            for (const std::u16string& parameter : function.Parameter) {
                if (!arguments.empty()) arguments += u"; ";
                arguments += parameter;
            }
            std::u16string help = function.Explain.substr(0, function.Explain.find(u'\n'));
            items.push_back({function.FuncName, arguments, help, Kind::UserFunction});
        }
        functions_.Assign(std::move(items));
        functionsStale_ = false;
    }
    if (variablesGeneration_ != sheet_.Generation() || variablesStale_) {
        // The variables change only when a line has run, or one is deleted.
        UpdateVariables();
        variableHelp_.clear();
        variablesGeneration_ = sheet_.Generation();
    }
    std::vector<const CompletionIndex*> indexes = {&builtins_, &functions_, &variables_, &recent_};
    if (sheet_.Totals()) indexes.push_back(&totals_);
    if (sheet_.Engine().GetOptions().Percent) indexes.push_back(&percent_);
    return indexes;
}

void CompletionCatalogue::VariablesAssigned(const std::vector<std::u16string>& names,
                                            const std::vector<std::u16string>& takenBack) {
    if (variablesStale_) return;
    assigned_.insert(assigned_.end(), names.begin(), names.end());
    // A line taken back and not calculated again leaves its variable out.
    const VariableTable& table = sheet_.Engine().GetVariables();
    for (const std::u16string& key : takenBack) {
        if (table.Find(key) == nullptr && listed_.count(key) != 0) {
            variablesStale_ = true;
            return;
        }
    }
}

void CompletionCatalogue::UpdateVariables() {
    // Beyond this many, the variables assigned since are listed with all the others again.
    constexpr std::size_t kMostRecent = 2048;
    const VariableTable& table = sheet_.Engine().GetVariables();
    if (!variablesStale_) {
        bool added = false;
        for (const std::u16string& name : assigned_) {
            std::u16string key = ToLowerAscii(name);
            if (table.Find(key) == nullptr || !listed_.insert(key).second) continue;
            recentItems_.push_back({std::move(key), {}, {}, Kind::Variable});
            added = true;
        }
        if (added) recent_.Assign(recentItems_);
    }
    assigned_.clear();
    // Every variable must be listed: one that came some other way means listing them all.
    if (!variablesStale_ && table.Size() <= listed_.size() && recentItems_.size() <= kMostRecent) {
        return;
    }
    std::vector<CompletionItem> items;
    items.reserve(table.Size());
    listed_.clear();
    for (const auto& [key, value] : table.Entries()) {
        items.push_back({key, {}, {}, Kind::Variable});
        listed_.insert(key);
    }
    variables_.Assign(std::move(items));
    recentItems_.clear();
    recent_.Assign({});
    variablesStale_ = false;
}

QString CompletionCatalogue::HelpOf(std::size_t index, std::size_t item) {
    if (index == 0) {
        const CompletionItem& entry = builtins_.Item(item);
        if (entry.kind != Kind::Constant) return {};
        const int constant = ConstantIndex(ToLowerAscii(entry.name));
        return QString::fromStdU16String(
            sheet_.Engine().FormatValue(ConstantValue(constant, Number(0))));
    }
    if (index != 2 && index != 3) return {};
    const CompletionIndex& variables = index == 2 ? variables_ : recent_;
    if (item >= variables.Size()) return {};
    const std::size_t cached = item * 2 + (index - 2);
    if (const auto it = variableHelp_.find(cached); it != variableHelp_.end()) return it->second;
    const Number* value = sheet_.Engine().GetVariables().Find(variables.Item(item).name);
    QString help =
        value ? QString::fromStdU16String(sheet_.Engine().FormatValue(*value)) : QString();
    variableHelp_.emplace(cached, help);
    return help;
}

}  // namespace numora
