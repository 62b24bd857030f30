#pragma once
// Help while typing, as text: the name that ends at the caret and the names it may become, and
// the call whose arguments hold the caret. The editor shows both; nothing here knows Qt.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
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
    // How widely people call it (the common built-ins): the higher the sooner; 0 for the rest.
    std::int32_t usage = 0;

    bool IsFunction() const { return kind == Kind::Builtin || kind == Kind::UserFunction; }
};

// A name being typed: a letter, then letters, digits or '_', at least two characters, ending
// at the caret, outside a comment and not on a result line.
struct TypedName {
    std::int32_t start = 0;  // column of its first character
    std::u16string text;
};
std::optional<TypedName> NameBeforeCaret(std::u16string_view paragraph, std::int32_t column);

// A unit name being typed: what stands between the caret and the "[" before it that no "]"
// closed, or the "*", "/", "·" or blank inside that bracket ("[km/h" gives "h"). Empty right
// after the "[". None where it starts with a digit (a power, or an index such as "a[1]"), in a
// comment or on a result line.
std::optional<TypedName> UnitBeforeCaret(std::u16string_view paragraph, std::int32_t column);

// The innermost call to a named function whose parentheses hold the caret, and which of its
// arguments the caret is in (0 for the first; counted by ';' at that depth).
struct CallAtCaret {
    std::u16string name;
    std::int32_t argument = 0;
    std::int32_t open = 0;  // column of its "(", which tells one call from another
};
std::optional<CallAtCaret> CallAroundCaret(std::u16string_view paragraph, std::int32_t column);

// The arguments of `arguments` ("x; y") one by one, blanks trimmed.
std::vector<std::u16string> SplitArguments(std::u16string_view arguments);

// The names a paragraph uses, as keys (ASCII letters in lower case, full width read as ASCII),
// once for each time they occur; none in a comment or on a result line. Names of one letter are
// left out: a name is completed from two letters on.
std::vector<std::u16string> NamesUsedIn(std::u16string_view paragraph);
// The key NamesUsedIn gives for `name`.
std::u16string NameKey(std::u16string_view name);

// How often each name occurs in a text, kept paragraph by paragraph as it is edited.
class NameTally {
public:
    void Add(const std::vector<std::u16string>& keys);
    void Remove(const std::vector<std::u16string>& keys);
    std::int32_t Count(std::u16string_view key) const;
    // Whether `key` occurs besides the one occurrence being typed (`typedKey`, which the text
    // already holds).
    bool UsedBesides(std::u16string_view key, std::u16string_view typedKey) const {
        return Count(key) > (key == typedKey ? 1 : 0);
    }
    std::size_t Size() const { return counts_.size(); }

private:
    std::map<std::u16string, std::int32_t, std::less<>> counts_;
};

// What orders the matches besides their names.
struct CompletionContext {
    // Whether the worksheet's text uses a name (in lower case) besides where it is being typed.
    // Variables need not be asked: the engine knows them from this worksheet's lines.
    std::function<bool(std::u16string_view)> used;
};

// Items found by the start of their names, compared as the engine compares names (ASCII
// letters without case). The best first: names the worksheet already uses, then functions,
// then the more widely used, then shorter names, then by name; letter case never decides.
class CompletionIndex {
public:
    void Assign(std::vector<CompletionItem> items);
    std::size_t Size() const { return items_.size(); }
    const CompletionItem& Item(std::size_t index) const { return items_[index]; }
    // At most `limit` matches, best first, as indexes into the items.
    std::vector<std::size_t> Find(std::u16string_view typed, std::size_t limit,
                                  const CompletionContext& context = {}) const;
    // The item named `name` exactly (ignoring ASCII case); a function before anything else.
    const CompletionItem* Named(std::u16string_view name) const;

private:
    std::vector<CompletionItem> items_;
    std::vector<std::u16string> keys_;  // lower-case names, in sorted order
    std::vector<std::size_t> order_;    // item of each key
    // Where every item is a variable, the best of many matches are simply the shortest: the
    // keys' positions by length, each in sorted order.
    bool allVariables_ = false;
    std::vector<std::vector<std::size_t>> byLength_;
};

// The best matches of several indexes together (built-ins, user functions, variables), each
// match as (index number, item index).
std::vector<std::pair<std::size_t, std::size_t>> FindInAll(
    const std::vector<const CompletionIndex*>& indexes, std::u16string_view typed,
    std::size_t limit, const CompletionContext& context = {});

}  // namespace numora
