#include <cstdint>
#include <system_error>

#include "base/FileIO.h"
#include "base/Text.h"
#include "userfunc/UserFunctionStore.h"
#include "userfunc/WhiteSpace.h"

namespace numora {

namespace {

constexpr std::u16string_view kLineBreaks = u"\r\n";
constexpr char16_t kFieldSeparator = u'\t';
constexpr std::u16string_view kRecordEnd = u"\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::filesystem::path FilePath(const std::filesystem::path& folder) {
    return folder / kUserFunctionFileName;
}

// Non-empty TAB-separated fields, each trimmed after the empty ones are dropped, so a
// blank-only field still holds its place.
std::vector<std::u16string_view> SplitFields(std::u16string_view line) {
    std::vector<std::u16string_view> fields;
    while (true) {
        const auto tab = line.find(kFieldSeparator);
        const std::u16string_view field = line.substr(0, tab);
        if (!field.empty()) fields.push_back(TrimWhiteSpace(field));
        if (tab == std::u16string_view::npos) break;
        line.remove_prefix(tab + 1);
    }
    return fields;
}

void AppendRecord(UserFunctionCatalogue& catalogue, std::u16string_view line) {
    const std::vector<std::u16string_view> fields = SplitFields(TrimWhiteSpace(line));
    if (fields.size() < 3) return;
    if (ContainsForbiddenNameChar(fields[0])) return;
    std::vector<std::u16string> parameters = ParseParameters(fields[1]);
    if (parameters.empty()) return;
    catalogue.Append(UserFunction{std::u16string(fields[0]), std::move(parameters),
                                  std::u16string(fields[2]),
                                  fields.size() > 3 ? std::u16string(fields[3]) : u""});
}

std::u16string ColumnText(std::u16string_view column) {
    std::u16string text(column);
    for (char16_t& c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n' || c == u'\0') c = u' ';
    }
    return text;
}

UserFunctionRow Sanitized(const UserFunctionRow& row) {
    return {ColumnText(row.FuncName), ColumnText(row.Parameter), ColumnText(row.Expression),
            ColumnText(row.Explain)};
}

}  // namespace

std::u16string DecodeUserFunctionFile(std::string_view bytes) {
    if (bytes.substr(0, 3) == kByteOrderMark) bytes.remove_prefix(3);
    return Utf8ToUtf16(bytes.substr(0, bytes.find('\0')));
}

std::string EncodeUserFunctionFile(std::u16string_view text) {
    // Reading drops one byte order mark: a text that starts with U+FEFF keeps it only behind
    // a mark of its own.
    std::string bytes = text.substr(0, 1) == u"\uFEFF" ? std::string(kByteOrderMark) : "";
    AppendUtf8(text, bytes);
    return bytes;
}

bool LoadUserFunctionFile(const std::filesystem::path& folder, std::u16string& text) {
    text.clear();
    const std::filesystem::path path = FilePath(folder);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > UINT32_MAX) return false;

    std::string bytes;
    if (ReadFileBytes(path, bytes) != FileError::None) return false;
    text = DecodeUserFunctionFile(bytes);
    return true;
}

bool SaveUserFunctionFile(const std::filesystem::path& folder, std::u16string_view text) {
    return WriteFileAtomically(FilePath(folder), EncodeUserFunctionFile(text)) == FileError::None;
}

void AppendUserFunctionRecords(UserFunctionCatalogue& catalogue, std::u16string_view text) {
    while (!text.empty()) {
        const auto end = text.find_first_of(kLineBreaks);
        const std::u16string_view line = text.substr(0, end);
        if (!line.empty()) AppendRecord(catalogue, line);
        if (end == std::u16string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

void LoadUserFunctions(UserFunctionCatalogue& catalogue, const std::filesystem::path& folder,
                       const ExplainTranslator& translate) {
    catalogue.Clear();
    std::u16string text;
    if (!LoadUserFunctionFile(folder, text)) {
        AddDefaultUserFunctions(catalogue, translate);
        return;
    }
    AppendUserFunctionRecords(catalogue, text);
}

std::u16string UserFunctionFileText(const std::vector<UserFunctionRow>& rows) {
    std::u16string text;
    for (const UserFunctionRow& raw : rows) {
        const UserFunctionRow row = Sanitized(raw);
        // Reading skips empty fields, so an empty column would pull the next one into its
        // place; a blank holds it and reads back as empty.
        for (const std::u16string* column : {&row.FuncName, &row.Parameter, &row.Expression}) {
            text += column->empty() ? u" " : *column;
            text += kFieldSeparator;
        }
        text += row.Explain;
        text += kRecordEnd;
    }
    return text;
}

bool StoreUserFunctions(UserFunctionCatalogue& catalogue, const std::filesystem::path& folder,
                        const std::vector<UserFunctionRow>& rows) {
    catalogue.Clear();
    for (const UserFunctionRow& raw : rows) {
        const UserFunctionRow row = Sanitized(raw);
        AddUserFunction(catalogue, row.FuncName, row.Parameter, row.Expression, row.Explain);
    }
    return SaveUserFunctionFile(folder, UserFunctionFileText(rows));
}

}  // namespace numora
