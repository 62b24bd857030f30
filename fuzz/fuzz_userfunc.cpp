// libFuzzer target: "UserFunction.dat". The functions read from any file, written as the
// dialog writes them and read again, are the same functions: nothing is lost or changed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"
#include "userfunc/UserFunctionStore.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The file's text as the loader sees it: no byte order mark, up to the first NUL.
std::u16string FileText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return numora::Utf8ToUtf16(bytes.substr(0, bytes.find('\0')));
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
    numora::AppendUserFunctionRecords(
        first, FileText(std::string_view(reinterpret_cast<const char*>(data), size)));
    const std::string written = numora::Utf16ToUtf8(numora::UserFunctionFileText(Rows(first)));

    numora::UserFunctionCatalogue second;
    numora::AppendUserFunctionRecords(second, FileText(written));
    Require(second.Size() == first.Size());
    for (std::size_t i = 0; i < first.Size(); ++i) {
        const auto& [keyA, a] = first.Entries()[i];
        const auto& [keyB, b] = second.Entries()[i];
        Require(keyA == keyB && a.FuncName == b.FuncName && a.Parameter == b.Parameter &&
                a.Expression == b.Expression && a.Explain == b.Explain);
    }
    return 0;
}
