#pragma once
// The variable list's entries and what the user can do with them, without any widget: the
// view shows Entries() in order and forwards insert, delete and drop by index.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

class CalcEngine;
class VariableTable;

struct VariableListEntry {
    std::u16string text;  // "name=value", name as written in the assignment
    // Lower-case key of the variable in the engine's table; empty when the variable was not
    // found there when the entry was made (Delete then only removes the entry).
    std::u16string tableKey;

    friend bool operator==(const VariableListEntry&, const VariableListEntry&) = default;
};

// What one successful line assigned: the names as written and the value's text.
struct LineAssignment {
    std::vector<std::u16string> names;
    std::u16string valueText;
};

class VariableListModel {
public:
    const std::vector<VariableListEntry>& Entries() const { return entries_; }
    std::size_t Count() const { return entries_.size(); }
    const std::u16string& Text(std::size_t index) const { return entries_.at(index).text; }

    // After a successful line: every assigned name gets `valueText`. An existing entry with the
    // same name (ignoring ASCII case) is replaced; the new entry is placed in sort order.
    // `table` (may be null) is where the entry's variable is looked up.
    void Refresh(const std::vector<std::u16string>& names, std::u16string_view valueText,
                 const VariableTable* table);
    // The same from the engine's last successful evaluation.
    void Refresh(const CalcEngine& engine);
    // After lines were calculated again (`fromTop`: the whole worksheet, from no variables):
    // their assignments in order, then every entry made to agree with `table`, where a line
    // taken back may have removed a variable or given it back an older value.
    void Follow(const std::vector<LineAssignment>& lines, bool fromTop, const CalcEngine& engine);

    // The text to insert for the entry at `index`: its name, trimmed; empty for no entry.
    std::u16string InsertText(std::optional<std::size_t> index) const;

    // Removes the entry at `index` and its variable from `table` (when the entry names one).
    // False when there is no such entry.
    bool Delete(std::size_t index, VariableTable* table);

    // A drop: `source` is the selected entry, `target` the entry under the pointer (nullopt
    // when the pointer is below the last entry). Returns the index of the moved entry, which
    // the view selects, or nullopt when nothing moved.
    std::optional<std::size_t> Move(std::optional<std::size_t> source,
                                    std::optional<std::size_t> target);

    // Name part of an entry text: everything before the first "=".
    static std::u16string_view NameOf(std::u16string_view text);

private:
    std::size_t SortedPosition(std::u16string_view text) const;

    std::vector<VariableListEntry> entries_;
};

}  // namespace numora
