// libFuzzer target: "UserFunction.dat". The functions read from any file, written as the
// dialog writes them and read again, are the same functions: nothing is lost or changed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "userfunc/UserFunctionStore.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

std::vector<numora::UserFunctionRow> Rows(const numora::UserFunctionCatalogue& catalogue) {
    std::vector<numora::UserFunctionRow> rows;
    for (const auto& [key, f] : catalogue.Entries()) {
        rows.push_back({f.FuncName, numora::JoinParameters(f.Parameter), f.Expression, f.Explain});
    }
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    numora::UserFunctionCatalogue first;
    numora::AppendUserFunctionRecords(first, numora::DecodeUserFunctionFile(std::string_view(
                                                 reinterpret_cast<const char*>(data), size)));
    const std::string written =
        numora::EncodeUserFunctionFile(numora::UserFunctionFileText(Rows(first)));

    numora::UserFunctionCatalogue second;
    numora::AppendUserFunctionRecords(second, numora::DecodeUserFunctionFile(written));
    // A function with neither expression nor explanation has only two fields on its line,
    // which reading skips: the one thing the file cannot hold.
    std::size_t next = 0;
    for (const auto& [keyA, a] : first.Entries()) {
        if (a.Expression.empty() && a.Explain.empty()) continue;
        Require(next < second.Size());
        const auto& [keyB, b] = second.Entries()[next++];
        Require(keyA == keyB && a.FuncName == b.FuncName && a.Parameter == b.Parameter &&
                a.Expression == b.Expression && a.Explain == b.Explain);
    }
    Require(next == second.Size());
    return 0;
}
