#include "worksheet/VariableList.h"

#include <algorithm>
#include <unordered_map>

#include "base/Text.h"
#include "engine/CalcEngine.h"
#include "engine/CharClass.h"
#include "engine/Format.h"
#include "engine/VariableTable.h"

namespace numora {

namespace {

// Beyond this many changes a view shows the whole list again rather than row by row.
constexpr std::size_t kMaxChanges = 256;

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char16_t LowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

// As ToLowerAscii(a).compare(ToLowerAscii(b)), without making either.
int CompareLower(std::u16string_view a, std::u16string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t x = LowerAscii(a[i]);
        const char16_t y = LowerAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Entries are ordered by name regardless of ASCII case, so "a" comes before "a1" and "ab"
// whatever their values are; ties fall back to the whole text.
int Compare(std::u16string_view a, std::u16string_view b) {
    if (const int c = CompareLower(VariableListModel::NameOf(a), VariableListModel::NameOf(b));
        c != 0) {
        return c;
    }
    if (const int c = CompareLower(a, b); c != 0) return c;
    return a.compare(b);
}

VariableListEntry MakeEntry(std::u16string_view name, std::u16string_view valueText,
                            std::u16string_view key, const VariableTable* table) {
    VariableListEntry entry;
    entry.text.reserve(name.size() + 1 + valueText.size());
    entry.text += name;
    entry.text += u'=';
    entry.text += valueText;
    if (table != nullptr && table->Find(std::u16string(key)) != nullptr) entry.tableKey = key;
    return entry;
}

}  // namespace

std::u16string_view VariableListModel::NameOf(std::u16string_view text) {
    const std::size_t eq = text.find(u'=');
    return eq == std::u16string_view::npos ? text : text.substr(0, eq);
}

std::pair<std::size_t, bool> VariableListModel::Locate(std::u16string_view key) const {
    // A name appears once (ignoring case), and entries in sort order are ordered by it.
    if (ordered_) {
        const auto it = std::lower_bound(entries_.begin(), entries_.end(), key,
                                         [](const VariableListEntry& entry, std::u16string_view k) {
                                             return CompareLower(NameOf(entry.text), k) < 0;
                                         });
        const auto at = static_cast<std::size_t>(it - entries_.begin());
        return {at, it != entries_.end() && CompareLower(NameOf(it->text), key) == 0};
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (CompareLower(NameOf(entries_[i].text), key) == 0) return {i, true};
    }
    return {entries_.size(), false};
}

std::size_t VariableListModel::SortedPosition(std::u16string_view text) const {
    // Entries moved by dragging stay where they were dropped, so the list need not be sorted:
    // the new entry goes before the first entry that sorts after it.
    if (ordered_) {
        const auto it = std::upper_bound(entries_.begin(), entries_.end(), text,
                                         [](std::u16string_view t, const VariableListEntry& entry) {
                                             return Compare(entry.text, t) > 0;
                                         });
        return static_cast<std::size_t>(it - entries_.begin());
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (Compare(entries_[i].text, text) > 0) return i;
    }
    return entries_.size();
}

void VariableListModel::Note(VariableListChange::Kind kind, std::size_t index) {
    if (reset_) return;
    if (changes_.size() >= kMaxChanges) {
        Reset();
        return;
    }
    changes_.push_back(
        {kind, index,
         kind == VariableListChange::Kind::Removed ? std::u16string() : entries_[index].text});
}

void VariableListModel::Reset() {
    reset_ = true;
    changes_.clear();
}

bool VariableListModel::TakeChanges(std::vector<VariableListChange>& changes) {
    changes.clear();
    changes.swap(changes_);
    return !std::exchange(reset_, false);
}

void VariableListModel::Put(std::u16string_view name, std::u16string_view valueText,
                            const VariableTable* table) {
    const std::u16string key = ToLowerAscii(name);
    const auto [at, found] = Locate(key);
    VariableListEntry entry = MakeEntry(name, valueText, key, table);
    if (found && ordered_) {
        // Ordered by name, and the name stays: the new entry takes the old one's place.
        entries_[at] = std::move(entry);
        Note(VariableListChange::Kind::Replaced, at);
        return;
    }
    if (found) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
        Note(VariableListChange::Kind::Removed, at);
    }
    const std::size_t to = SortedPosition(entry.text);
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(to), std::move(entry));
    Note(VariableListChange::Kind::Inserted, to);
}

void VariableListModel::Refresh(const std::vector<std::u16string>& names,
                                std::u16string_view valueText, const VariableTable* table) {
    for (const std::u16string& name : names) Put(name, valueText, table);
}

void VariableListModel::Refresh(const CalcEngine& engine) {
    Refresh(engine.GetAssignTargets(), engine.GetQuantityText(), &engine.GetVariables());
}

void VariableListModel::Assign(const std::vector<LineAssignment>& lines,
                               const VariableTable* table) {
    // Where entries were dragged, each goes in as it would have at its line.
    if (!ordered_) {
        for (const LineAssignment& line : lines) Refresh(line.names, line.valueText, table);
        return;
    }
    // Only the last assignment of each name shows. Names new to the list are sorted once and
    // merged in, instead of each moving every entry after it.
    struct Last {
        std::u16string_view name;
        std::u16string_view valueText;
    };
    std::unordered_map<std::u16string, Last> last;
    std::vector<const std::u16string*> order;  // each name's first appearance
    for (const LineAssignment& line : lines) {
        for (const std::u16string& name : line.names) {
            auto [it, inserted] = last.try_emplace(ToLowerAscii(name), Last{name, line.valueText});
            if (inserted) {
                order.push_back(&it->first);
            } else {
                it->second = {name, line.valueText};
            }
        }
    }
    if (order.size() < 64) {
        for (const std::u16string* key : order) {
            const Last& value = last.at(*key);
            Put(value.name, value.valueText, table);
        }
        return;
    }
    std::vector<VariableListEntry> fresh;
    for (const std::u16string* key : order) {
        const Last& value = last.at(*key);
        const auto [at, found] = Locate(*key);
        VariableListEntry entry = MakeEntry(value.name, value.valueText, *key, table);
        if (found) {
            entries_[at] = std::move(entry);
            Note(VariableListChange::Kind::Replaced, at);
        } else {
            fresh.push_back(std::move(entry));
        }
    }
    if (fresh.empty()) return;
    const auto less = [](const VariableListEntry& a, const VariableListEntry& b) {
        return Compare(a.text, b.text) < 0;
    };
    std::sort(fresh.begin(), fresh.end(), less);
    std::vector<VariableListEntry> merged;
    merged.reserve(entries_.size() + fresh.size());
    std::merge(std::make_move_iterator(entries_.begin()), std::make_move_iterator(entries_.end()),
               std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()),
               std::back_inserter(merged), less);
    entries_ = std::move(merged);
    Reset();
}

void VariableListModel::Follow(const std::vector<LineAssignment>& lines, bool fromTop,
                               const CalcEngine& engine,
                               const std::vector<std::u16string>& takenBack) {
    const VariableTable& table = engine.GetVariables();
    if (fromTop) {
        entries_.clear();
        ordered_ = true;
        Reset();
    }
    Assign(lines, &table);
    for (const std::u16string& key : takenBack) {
        const auto [at, found] = Locate(key);
        if (!found || entries_[at].tableKey.empty()) continue;
        const Number* value = table.Find(entries_[at].tableKey);
        if (value == nullptr) {
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
            Note(VariableListChange::Kind::Removed, at);
            continue;
        }
        std::u16string& text = entries_[at].text;
        std::u16string now = std::u16string(NameOf(text)) + u'=' +
                             engine.FormatQuantity(*value, table.FindUnit(entries_[at].tableKey));
        if (now == text) continue;
        text = std::move(now);
        Note(VariableListChange::Kind::Replaced, at);
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
    Note(VariableListChange::Kind::Removed, index);
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
    ordered_ = false;
    Note(VariableListChange::Kind::Removed, *source);
    Note(VariableListChange::Kind::Inserted, at);
    return at;
}

}  // namespace numora
