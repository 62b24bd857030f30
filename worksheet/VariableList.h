#pragma once
// The variable list's entries and what the user can do with them, without any widget: the
// view shows Entries() in order and forwards insert, delete and drop by index.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// One change to the entries, for a view that follows them row by row instead of showing all of
// them again: a list of 100,000 variables must not cost 100,000 rows at every Enter.
struct VariableListChange {
    enum class Kind { Replaced, Inserted, Removed };
    Kind kind = Kind::Replaced;
    std::size_t index = 0;
    std::u16string text;  // what the row then reads (replaced or inserted)

    friend bool operator==(const VariableListChange&, const VariableListChange&) = default;
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
    // Many lines' assignments in order, as one Refresh after another would leave the list, in
    // time that follows the lines and the entries, not their product.
    void Assign(const std::vector<LineAssignment>& lines, const VariableTable* table);
    // After lines were calculated again (`fromTop`: the whole worksheet, from no variables):
    // their assignments in order, then the entries of `takenBack` made to agree with the
    // engine's table: taking a line back may have removed a variable or given it back an older
    // value.
    void Follow(const std::vector<LineAssignment>& lines, bool fromTop, const CalcEngine& engine,
                const std::vector<std::u16string>& takenBack = {});

    // The changes since the last call, in order, for a view to apply; false when there were
    // too many to follow one by one (or the entries were reordered), and the view shows all
    // entries again.
    bool TakeChanges(std::vector<VariableListChange>& changes);

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
    // Where the entry named `key` (lower case) is, or where it would go, and whether it is there.
    std::pair<std::size_t, bool> Locate(std::u16string_view key) const;
    std::size_t SortedPosition(std::u16string_view text) const;
    void Put(std::u16string_view name, std::u16string_view valueText, const VariableTable* table);
    void Note(VariableListChange::Kind kind, std::size_t index);
    void Reset();

    std::vector<VariableListEntry> entries_;
    // In sort order, as long as no entry has been dragged elsewhere: then an entry is found by
    // bisection instead of a walk through all of them.
    bool ordered_ = true;
    std::vector<VariableListChange> changes_;
    bool reset_ = false;  // the changes were too many to keep
};

}  // namespace numora
