#pragma once
// The catalogue of user-defined functions. Storage (file, defaults) lives in userfunc/; an
// engine only looks functions up in the catalogue it was given.
#include <string>
#include <utility>
#include <vector>

namespace numora {

struct UserFunction {
    std::u16string FuncName;                // as typed, case kept
    std::vector<std::u16string> Parameter;  // in call order, as typed
    std::u16string Expression;
    std::u16string Explain;
};

// Ordered (lower-case key, function) pairs; duplicates are kept and the first match wins.
class UserFunctionCatalogue {
public:
    using Entry = std::pair<std::u16string, UserFunction>;

    void Clear() { entries_.clear(); }
    void Append(UserFunction function);  // keyed by FuncName with A-Z lowered
    // Index of the first entry whose key equals `lowerName`, or -1.
    int Find(const std::u16string& lowerName) const;
    const UserFunction& At(int index) const {
        return entries_[static_cast<std::size_t>(index)].second;
    }
    const std::vector<Entry>& Entries() const { return entries_; }
    std::size_t Size() const { return entries_.size(); }

private:
    std::vector<Entry> entries_;
};

// An empty catalogue, for engines without user functions.
const UserFunctionCatalogue& NoUserFunctions();

}  // namespace numora
