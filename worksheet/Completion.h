#pragma once
// Help while typing, as text: the name that ends at the caret and the names it may become, and
// the call whose arguments hold the caret. The editor shows both; nothing here knows Qt.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

struct CompletionItem {
    enum class Kind { Builtin, Constant, UserFunction, Variable };
    std::u16string name;       // as it is inserted
    std::u16string arguments;  // "base; x" for a function; empty otherwise
    std::u16string help;       // one line; a variable's value is filled in when it is shown
    Kind kind = Kind::Builtin;

    bool IsFunction() const { return kind == Kind::Builtin || kind == Kind::UserFunction; }
};

// A name being typed: a letter, then letters, digits or '_', at least two characters, ending
// at the caret, outside a comment and not on a result line.
struct TypedName {
    std::int32_t start = 0;  // column of its first character
    std::u16string text;
};
std::optional<TypedName> NameBeforeCaret(std::u16string_view paragraph, std::int32_t column);

// The innermost call to a named function whose parentheses hold the caret, and which of its
// arguments the caret is in (0 for the first; counted by ';' at that depth).
struct CallAtCaret {
    std::u16string name;
    std::int32_t argument = 0;
};
std::optional<CallAtCaret> CallAroundCaret(std::u16string_view paragraph, std::int32_t column);

// The arguments of `arguments` ("x; y") one by one, blanks trimmed.
std::vector<std::u16string> SplitArguments(std::u16string_view arguments);

// Items found by the start of their names, compared as the engine compares names (ASCII
// letters without case). The best first: names that begin with the typed text in its own case,
// then shorter names, then by name.
class CompletionIndex {
public:
    void Assign(std::vector<CompletionItem> items);
    std::size_t Size() const { return items_.size(); }
    const CompletionItem& Item(std::size_t index) const { return items_[index]; }
    // At most `limit` matches, best first, as indexes into the items.
    std::vector<std::size_t> Find(std::u16string_view typed, std::size_t limit) const;
    // The item named `name` exactly (ignoring ASCII case); a function before anything else.
    const CompletionItem* Named(std::u16string_view name) const;

private:
    std::vector<CompletionItem> items_;
    std::vector<std::u16string> keys_;   // lower-case names, in sorted order
    std::vector<std::size_t> order_;     // item of each key
    // Where every name is its own key (variables), the best of many matches are simply the
    // shortest: the keys' positions by length, each in sorted order.
    bool allLower_ = false;
    std::vector<std::vector<std::size_t>> byLength_;
};

// The best matches of several indexes together (built-ins, user functions, variables), each
// match as (index number, item index).
std::vector<std::pair<std::size_t, std::size_t>> FindInAll(
    const std::vector<const CompletionIndex*>& indexes, std::u16string_view typed,
    std::size_t limit);

}  // namespace numora
