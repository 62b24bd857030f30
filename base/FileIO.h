#pragma once
// Whole-file reading and atomic writing, shared by the worksheet, user function and ini files.
#include <filesystem>
#include <string>
#include <string_view>

namespace numora {

// Reads the whole file. False when it cannot be opened or a read fails; `bytes` is then empty.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`. On any failure the temporary file is removed, the old file stays as it was, and the
// result is false.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace numora
