#include "worksheet/Completion.h"

#include <algorithm>
#include <tuple>

#include "base/Text.h"
#include "engine/CharClass.h"

namespace numora {

namespace {

// Full-width ASCII reads as ASCII, as the engine reads it.
char16_t Folded(char16_t c) {
    return c >= 0xFF01 && c <= 0xFF5E ? static_cast<char16_t>(c - 0xFEE0) : c;
}

bool IsLetter(char16_t c) {
    c = Folded(c);
    if (c < 0x80) return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    // Names in any script: everything printing that is no operator.
    return IsGraphic(c) && OperatorClass(c) == 0 && c != 0x3000;
}

bool IsNameChar(char16_t c) { return IsLetter(c) || IsDigit(Folded(c)) || Folded(c) == u'_'; }

// Text before the caret that help may look at: none in a comment or on a result line.
std::optional<std::u16string_view> CodeBeforeCaret(std::u16string_view paragraph,
                                                   std::int32_t column) {
    if (column < 0 || static_cast<std::size_t>(column) > paragraph.size()) return std::nullopt;
    const std::u16string_view before = paragraph.substr(0, static_cast<std::size_t>(column));
    if (before.find(u"//") != std::u16string_view::npos) return std::nullopt;
    for (const char16_t c : paragraph) {
        if (IsGraphic(c)) {
            if (c == u'>') return std::nullopt;
            break;
        }
    }
    return before;
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

constexpr std::size_t kLongestBucket = 255;
constexpr std::size_t kFewMatches = 64;

// How well a match ranks, the least first; among equals the name decides.
struct Rank {
    bool unused;       // the worksheet's text does not use it yet
    bool notFunction;  // a constant or a variable
    std::int32_t rarity;
    std::size_t length;

    auto operator<=>(const Rank&) const = default;
};

Rank RankOf(const CompletionItem& item, std::u16string_view key, const CompletionContext& context) {
    const bool used =
        item.kind == CompletionItem::Kind::Variable || (context.used && context.used(key));
    return {!used, !item.IsFunction(), -item.usage, item.name.size()};
}

}  // namespace

std::optional<TypedName> NameBeforeCaret(std::u16string_view paragraph, std::int32_t column) {
    const auto code = CodeBeforeCaret(paragraph, column);
    if (!code) return std::nullopt;
    // The name ends at the caret, not inside a longer one.
    if (static_cast<std::size_t>(column) < paragraph.size() &&
        IsNameChar(paragraph[static_cast<std::size_t>(column)])) {
        return std::nullopt;
    }
    std::size_t start = code->size();
    while (start > 0 && IsNameChar((*code)[start - 1])) --start;
    // A number's digits before it are no part of it ("2pi").
    while (start < code->size() && !IsLetter((*code)[start])) ++start;
    if (code->size() - start < 2) return std::nullopt;
    return TypedName{static_cast<std::int32_t>(start), std::u16string(code->substr(start))};
}

namespace {

// What joins the names of a unit expression inside its bracket.
bool JoinsUnits(char16_t c) { return c == u'*' || c == u'/' || c == u'\u00B7' || IsBlank(c); }

bool IsUnitNameChar(char16_t c) {
    return !IsBlank(c) && OperatorClass(c) == 0 && c != u'[' && c != u']' && c != u';' &&
           c != u'=' && c != u'\u00B7' && c != u'\u00B2' && c != u'\u00B3';
}

}  // namespace

std::optional<TypedName> UnitBeforeCaret(std::u16string_view paragraph, std::int32_t column) {
    const auto code = CodeBeforeCaret(paragraph, column);
    if (!code) return std::nullopt;
    if (static_cast<std::size_t>(column) < paragraph.size() &&
        IsUnitNameChar(Folded(paragraph[static_cast<std::size_t>(column)]))) {
        return std::nullopt;
    }
    std::size_t start = code->size();
    while (start > 0 && IsUnitNameChar(Folded((*code)[start - 1]))) --start;
    if (start < code->size() && IsDigit(Folded((*code)[start]))) return std::nullopt;
    for (std::size_t i = start; i-- > 0;) {
        const char16_t c = Folded((*code)[i]);
        if (c == u'[') {
            return TypedName{static_cast<std::int32_t>(start), std::u16string(code->substr(start))};
        }
        // Only names, their joins and powers stand between a unit and its bracket.
        if (!JoinsUnits(c) && !IsUnitNameChar(c) && c != u'^' && c != u'-' && c != u'\u00B2' &&
            c != u'\u00B3') {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<CallAtCaret> CallAroundCaret(std::u16string_view paragraph, std::int32_t column) {
    const auto code = CodeBeforeCaret(paragraph, column);
    if (!code) return std::nullopt;
    int depth = 0;
    std::int32_t argument = 0;
    for (std::size_t i = code->size(); i-- > 0;) {
        const char16_t c = Folded((*code)[i]);
        if (c == u')') {
            ++depth;
        } else if (c == u'(') {
            if (depth > 0) {
                --depth;
                continue;
            }
            std::size_t start = i;
            while (start > 0 && IsNameChar((*code)[start - 1])) --start;
            while (start < i && !IsLetter((*code)[start])) ++start;
            if (start < i) {
                return CallAtCaret{std::u16string(code->substr(start, i - start)), argument,
                                   static_cast<std::int32_t>(i)};
            }
            argument = 0;  // plain parentheses: the call, if any, is further out
        } else if (c == u';' && depth == 0) {
            ++argument;
        }
    }
    return std::nullopt;
}

std::vector<std::u16string> SplitArguments(std::u16string_view arguments) {
    std::vector<std::u16string> out;
    if (Trimmed(arguments).empty()) return out;
    for (std::size_t from = 0;;) {
        const std::size_t end = arguments.find(u';', from);
        out.emplace_back(
            Trimmed(arguments.substr(from, end == arguments.npos ? arguments.npos : end - from)));
        if (end == arguments.npos) return out;
        from = end + 1;
    }
}

std::u16string NameKey(std::u16string_view name) {
    std::u16string key(name);
    for (char16_t& c : key) c = Folded(c);
    return ToLowerAscii(key);
}

std::vector<std::u16string> NamesUsedIn(std::u16string_view paragraph) {
    std::vector<std::u16string> names;
    for (const char16_t c : paragraph) {
        if (IsGraphic(c)) {
            if (c == u'>') return names;
            break;
        }
    }
    const std::u16string_view code = paragraph.substr(0, paragraph.find(u"//"));
    for (std::size_t i = 0; i < code.size();) {
        if (!IsNameChar(code[i])) {
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < code.size() && IsNameChar(code[i])) ++i;
        // As NameBeforeCaret reads it: a number's digits before it are no part of it.
        while (start < i && !IsLetter(code[start])) ++start;
        if (i - start >= 2) names.push_back(NameKey(code.substr(start, i - start)));
    }
    return names;
}

void NameTally::Add(const std::vector<std::u16string>& keys) {
    for (const std::u16string& key : keys) ++counts_[key];
}

void NameTally::Remove(const std::vector<std::u16string>& keys) {
    for (const std::u16string& key : keys) {
        const auto it = counts_.find(key);
        if (it != counts_.end() && --it->second <= 0) counts_.erase(it);
    }
}

std::int32_t NameTally::Count(std::u16string_view key) const {
    const auto it = counts_.find(key);
    return it == counts_.end() ? 0 : it->second;
}

void CompletionIndex::Assign(std::vector<CompletionItem> items) {
    items_ = std::move(items);
    std::vector<std::pair<std::u16string, std::size_t>> keyed;
    keyed.reserve(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i)
        keyed.emplace_back(ToLowerAscii(items_[i].name), i);
    std::sort(keyed.begin(), keyed.end());
    keys_.clear();
    order_.clear();
    keys_.reserve(keyed.size());
    order_.reserve(keyed.size());
    allVariables_ = std::all_of(items_.begin(), items_.end(), [](const CompletionItem& item) {
        return item.kind == CompletionItem::Kind::Variable;
    });
    byLength_.clear();
    for (auto& [key, index] : keyed) {
        const std::size_t length = std::min<std::size_t>(key.size(), kLongestBucket);
        if (byLength_.size() <= length) byLength_.resize(length + 1);
        byLength_[length].push_back(keys_.size());
        keys_.push_back(std::move(key));
        order_.push_back(index);
    }
}

std::vector<std::size_t> CompletionIndex::Find(std::u16string_view typed, std::size_t limit,
                                               const CompletionContext& context) const {
    const std::u16string lower = ToLowerAscii(typed);
    const auto first = std::lower_bound(keys_.begin(), keys_.end(), lower);
    const auto last = std::partition_point(first, keys_.end(), [&](const std::u16string& key) {
        return std::u16string_view(key).starts_with(lower);
    });
    const auto from = static_cast<std::size_t>(first - keys_.begin());
    const auto to = static_cast<std::size_t>(last - keys_.begin());
    if (allVariables_ && to - from > kFewMatches) {
        // Variables differ only in their names: shortest first, then by name, bucket by bucket.
        std::vector<std::size_t> best;
        for (const std::vector<std::size_t>& bucket : byLength_) {
            for (auto it = std::lower_bound(bucket.begin(), bucket.end(), from);
                 it != bucket.end() && *it < to && best.size() < limit; ++it) {
                best.push_back(order_[*it]);
            }
            if (best.size() >= limit) break;
        }
        return best;
    }
    // Ranked once each: many variables may share a start.
    struct Ranked {
        Rank rank;
        std::size_t position;  // in keys_, which are sorted by name
        bool operator<(const Ranked& other) const {
            return std::tie(rank, position) < std::tie(other.rank, other.position);
        }
    };
    std::vector<Ranked> found;
    found.reserve(to - from);
    for (std::size_t position = from; position < to; ++position) {
        found.push_back({RankOf(items_[order_[position]], keys_[position], context), position});
    }
    const std::size_t kept = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kept),
                      found.end());
    std::vector<std::size_t> best;
    best.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) best.push_back(order_[found[i].position]);
    return best;
}

const CompletionItem* CompletionIndex::Named(std::u16string_view name) const {
    const std::u16string lower = ToLowerAscii(name);
    const CompletionItem* named = nullptr;
    for (auto it = std::lower_bound(keys_.begin(), keys_.end(), lower);
         it != keys_.end() && *it == lower; ++it) {
        const CompletionItem& item = items_[order_[static_cast<std::size_t>(it - keys_.begin())]];
        if (named == nullptr || (item.IsFunction() && !named->IsFunction())) named = &item;
    }
    return named;
}

std::vector<std::pair<std::size_t, std::size_t>> FindInAll(
    const std::vector<const CompletionIndex*>& indexes, std::u16string_view typed,
    std::size_t limit, const CompletionContext& context) {
    std::vector<std::pair<std::size_t, std::size_t>> all;
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        for (const std::size_t item : indexes[i]->Find(typed, limit, context)) {
            all.emplace_back(i, item);
        }
    }
    std::vector<std::u16string> keys;
    std::vector<Rank> ranks;
    keys.reserve(all.size());
    ranks.reserve(all.size());
    for (const auto& [index, item] : all) {
        keys.push_back(ToLowerAscii(indexes[index]->Item(item).name));
        ranks.push_back(RankOf(indexes[index]->Item(item), keys.back(), context));
    }
    std::vector<std::size_t> order(all.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    // Stable: among equals, the earlier index (built-ins before variables) comes first.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(ranks[a], keys[a]) < std::tie(ranks[b], keys[b]);
    });
    std::vector<std::pair<std::size_t, std::size_t>> best;
    for (std::size_t i = 0; i < order.size() && i < limit; ++i) best.push_back(all[order[i]]);
    return best;
}

}  // namespace numora
