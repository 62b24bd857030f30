#include "engine/UserFunctions.h"

#include "base/Text.h"

namespace numora {

void UserFunctionCatalogue::Append(UserFunction function) {
    std::u16string key = ToLowerAscii(function.FuncName);
    entries_.emplace_back(std::move(key), std::move(function));
}

int UserFunctionCatalogue::Find(const std::u16string& lowerName) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].first == lowerName) return static_cast<int>(i);
    }
    return -1;
}

const UserFunctionCatalogue& NoUserFunctions() {
    static const UserFunctionCatalogue none;
    return none;
}

}  // namespace numora
