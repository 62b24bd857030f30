#include "worksheet/VariableList.h"

#include "base/Text.h"
#include "engine/CalcEngine.h"
#include "engine/CharClass.h"
#include "engine/Format.h"
#include "engine/VariableTable.h"

namespace numora {

namespace {

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Entries are ordered by name regardless of ASCII case, so "a" comes before "a1" and "ab"
// whatever their values are; ties fall back to the whole text.
int Compare(std::u16string_view a, std::u16string_view b) {
    const std::u16string nameA = ToLowerAscii(VariableListModel::NameOf(a));
    const std::u16string nameB = ToLowerAscii(VariableListModel::NameOf(b));
    if (const int c = nameA.compare(nameB); c != 0) return c;
    if (const int c = ToLowerAscii(a).compare(ToLowerAscii(b)); c != 0) return c;
    return a.compare(b);
}

}  // namespace

std::u16string_view VariableListModel::NameOf(std::u16string_view text) {
    const std::size_t eq = text.find(u'=');
    return eq == std::u16string_view::npos ? text : text.substr(0, eq);
}

std::size_t VariableListModel::SortedPosition(std::u16string_view text) const {
    // Entries moved by dragging stay where they were dropped, so the list need not be sorted:
    // the new entry goes before the first entry that sorts after it.
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (Compare(entries_[i].text, text) > 0) return i;
    }
    return entries_.size();
}

void VariableListModel::Refresh(const std::vector<std::u16string>& names,
                                std::u16string_view valueText, const VariableTable* table) {
    for (const std::u16string& name : names) {
        const std::u16string key = ToLowerAscii(name);
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (ToLowerAscii(NameOf(it->text)) == key) {
                entries_.erase(it);
                break;
            }
        }
        VariableListEntry entry;
        entry.text = name;
        entry.text += u'=';
        entry.text += valueText;
        if (table != nullptr && table->Find(key) != nullptr) entry.tableKey = key;
        entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(SortedPosition(entry.text)),
                        std::move(entry));
    }
}

void VariableListModel::Refresh(const CalcEngine& engine) {
    Refresh(engine.GetAssignTargets(), engine.GetValueText(), &engine.GetVariables());
}

void VariableListModel::Follow(const std::vector<LineAssignment>& lines, bool fromTop,
                               const CalcEngine& engine) {
    const VariableTable& table = engine.GetVariables();
    if (fromTop) entries_.clear();
    for (const LineAssignment& line : lines) Refresh(line.names, line.valueText, &table);
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->tableKey.empty()) {
            ++it;
            continue;
        }
        const Number* value = table.Find(it->tableKey);
        if (value == nullptr) {
            it = entries_.erase(it);
            continue;
        }
        const std::size_t eq = it->text.find(u'=');
        std::u16string text = it->text.substr(0, eq) + u'=' + engine.FormatValue(*value);
        if (text != it->text) it->text = std::move(text);
        ++it;
    }
}

std::u16string VariableListModel::InsertText(std::optional<std::size_t> index) const {
    if (!index || *index >= entries_.size()) return {};
    return std::u16string(Trim(NameOf(entries_[*index].text)));
}

bool VariableListModel::Delete(std::size_t index, VariableTable* table) {
    if (index >= entries_.size()) return false;
    const auto it = entries_.begin() + static_cast<std::ptrdiff_t>(index);
    if (table != nullptr && !it->tableKey.empty()) table->Remove(it->tableKey);
    entries_.erase(it);
    return true;
}

std::optional<std::size_t> VariableListModel::Move(std::optional<std::size_t> source,
                                                   std::optional<std::size_t> target) {
    if (!source || *source >= entries_.size()) return std::nullopt;
    if (target && *target >= entries_.size()) target.reset();
    // The mark is drawn above the target entry; once the source is taken out, the entries
    // below it move up by one.
    if (target && *source < *target) --*target;
    if (target == source) return std::nullopt;

    VariableListEntry moved = std::move(entries_[*source]);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*source));
    const std::size_t at = target ? *target : entries_.size();
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), std::move(moved));
    return at;
}

}  // namespace numora
