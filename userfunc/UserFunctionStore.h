#pragma once
// Filling the user function catalogue: parameter texts, the ten defaults and the file
// "UserFunction.dat" (UTF-8, one TAB-separated record per line, CR LF).
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/UserFunctions.h"

namespace numora {

inline constexpr std::string_view kUserFunctionFileName = "UserFunction.dat";

// Characters a function or parameter name may not contain (the blank included).
inline constexpr std::u16string_view ForbiddenNameChars = u"+-*/%^() ";

bool ContainsForbiddenNameChar(std::u16string_view name);

// Splits at ";", trims each piece, skips empty pieces and drops pieces with a forbidden
// character.
std::vector<std::u16string> ParseParameters(std::u16string_view parameterText);
// The parameter list as shown and stored: joined by ";" without blanks.
std::u16string JoinParameters(const std::vector<std::u16string>& parameters);

void AddUserFunction(UserFunctionCatalogue& catalogue, std::u16string_view name,
                     std::u16string_view parameterText, std::u16string_view expression,
                     std::u16string_view explain);
// The descriptions of the defaults are UTF-8 sources of translation in this context; the window
// passes a translator into its language, the command line keeps them as written.
inline constexpr char kDefaultUserFunctionsContext[] = "numora::DefaultUserFunctions";
using ExplainTranslator = std::function<std::u16string(const char* source)>;
void AddDefaultUserFunctions(UserFunctionCatalogue& catalogue,
                             const ExplainTranslator& translate = {});

// Reads folder/"UserFunction.dat" whole into `text`. False when it cannot be read. A leading
// byte order mark is skipped and the text ends at the first NUL byte. Bytes that are not
// UTF-8 become U+FFFD: the readable functions still load, and nothing is written unless the
// user confirms the dialog.
bool LoadUserFunctionFile(const std::filesystem::path& folder, std::u16string& text);
// Writes `text` as UTF-8 without a byte order mark, atomically. False on failure; the old
// file then stays as it was.
bool SaveUserFunctionFile(const std::filesystem::path& folder, std::u16string_view text);

// The file's bytes as text (no byte order mark, up to the first NUL, U+FFFD for what is not
// UTF-8), and the text as the file's bytes.
std::u16string DecodeUserFunctionFile(std::string_view bytes);
std::string EncodeUserFunctionFile(std::u16string_view text);

// Appends every well-formed record of `text` in order; malformed lines are skipped.
void AppendUserFunctionRecords(UserFunctionCatalogue& catalogue, std::u16string_view text);

// Empties the catalogue and fills it from the file in `folder`, or with the defaults when
// the file cannot be read. A readable file without records leaves it empty.
void LoadUserFunctions(UserFunctionCatalogue& catalogue, const std::filesystem::path& folder,
                       const ExplainTranslator& translate = {});

// One row of the user function dialog, its columns as texts.
struct UserFunctionRow {
    std::u16string FuncName;
    std::u16string Parameter;  // as shown, e.g. "base;x"
    std::u16string Expression;
    std::u16string Explain;
};

// The file text of the rows: four TAB-separated columns and CR LF per row. TAB, CR, LF and
// NUL inside a column would split or end a record, so they are written as blanks.
std::u16string UserFunctionFileText(const std::vector<UserFunctionRow>& rows);

// Replaces the catalogue with the rows and writes them to the file in `folder`. The
// catalogue keeps the new rows even when the write fails; the result says whether it worked.
bool StoreUserFunctions(UserFunctionCatalogue& catalogue, const std::filesystem::path& folder,
                        const std::vector<UserFunctionRow>& rows);

}  // namespace numora
