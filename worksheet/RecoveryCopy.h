#pragma once
// The recovery copy of unsaved work, as the window keeps it in the settings folder (see
// shell/RecoveryKeeper.h for when it is written): its bytes, and which copies a start finds.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileStamp.h"

namespace numora {

struct RecoveryCopy {
    std::string documentPath;  // UTF-8; empty for Untitled
    // What the document's file held when the window read or wrote it (unknown in copies of
    // the first form), so that a save after recovery still notices a change made meanwhile.
    FileStamp stamp;
    std::u16string text;
};

// Copies are named "Recovery-<id>.txt".
inline constexpr std::string_view kRecoveryCopyPrefix = "Recovery-";
inline constexpr std::string_view kRecoveryCopySuffix = ".txt";

std::string EncodeRecoveryCopy(std::string_view documentPath, const FileStamp& stamp,
                               std::u16string_view text);
// False when `bytes` is not a recovery copy; `copy` is then unchanged.
bool DecodeRecoveryCopy(std::string_view bytes, RecoveryCopy& copy);
bool ReadRecoveryCopy(const std::filesystem::path& path, RecoveryCopy& copy);

// The copies in `folder`, the most recently written first (by name where two were written at
// the same moment). Only regular files (or links to them) with a copy's name: the hidden
// temporary file of a write that was cut short is not a copy.
std::vector<std::filesystem::path> FindRecoveryCopies(const std::filesystem::path& folder);

}  // namespace numora
