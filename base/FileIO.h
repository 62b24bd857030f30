#pragma once
// Reading files and writing them atomically, shared by the worksheet, user function and ini
// files.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "base/FileError.h"

namespace numora {

// The most a file read whole may hold. A worksheet holds at most 2147483647 characters, and
// each takes at least one byte: a larger file is refused before any of it is read.
inline constexpr std::uint64_t kMaxReadBytes = 0x7FFFFFFF;

// Reads a regular file piece by piece. Opening never waits (a named pipe would block the open
// until a writer came); a folder, named pipe, device or socket is refused with that reason, and
// so is a file larger than `maxBytes`. Of a file that grows meanwhile no more than `maxBytes`
// and one byte are read.
class FileReader {
public:
    explicit FileReader(const std::filesystem::path& path, std::uint64_t maxBytes = kMaxReadBytes);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Why the file could not be opened or the last read failed; None while all is well.
    FileError Error() const { return error_; }
    // Up to `size` bytes into `buffer`; 0 at the end of the file or on failure (see Error()).
    std::size_t Read(char* buffer, std::size_t size);
    // The size the file had when it was opened, to reserve memory up front.
    std::uint64_t SizeHint() const { return sizeHint_; }

private:
    void Close();
    std::size_t ReadSome(char* buffer, std::size_t size);
#ifdef _WIN32
    bool IsOpen() const { return handle_ != nullptr; }
    void* handle_ = nullptr;
#else
    bool IsOpen() const { return fd_ >= 0; }
    int fd_ = -1;
#endif
    std::uint64_t maxBytes_;
    std::uint64_t total_ = 0;
    FileError error_ = FileError::None;
    std::uint64_t sizeHint_ = 0;
};

// Reads the whole file (at most `maxBytes`). On failure `bytes` is empty; a file too large for
// the memory left is OutOfMemory.
FileError ReadFileBytes(const std::filesystem::path& path, std::string& bytes,
                        std::uint64_t maxBytes = kMaxReadBytes);

// Replaces the contents of `path` by `bytes` so that the file holds either its old or its new
// contents whatever happens: the bytes go to a temporary file beside it, are flushed to disk
// and renamed over it. On Linux the temporary file has no name until it is complete, so that
// not even a killed process leaves it behind. A symbolic link is followed and its target rewritten;
// a folder, a device or a read-only file is refused. The mode (and, where allowed, the owner) of
// the old file is kept. On failure the temporary file is removed and the old file stays as it was.
FileError WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The checks WriteFileAtomically makes before it writes anything: whether `path` (after its
// links) is a file it would replace, or a place where it may create one. Lets a caller refuse
// before doing the work whose result it would save.
FileError CheckReplaceable(const std::filesystem::path& path);

// Removes the hidden temporary files (".numora-XXXXXXXX.tmp") that writes cut off by a crash or
// a kill left in `folder`. Windows: a temporary that a running program still holds open (a copy
// of this one, writing it) cannot be opened exclusively there, and stays. WriteFileAtomically
// calls it for the folder it writes into; the program calls it for its settings folder at
// start. Elsewhere it does nothing: there a killed write leaves no file behind where the file
// system can write one without a name, and a left name cannot be told from one in use.
void RemoveLeftTemporaryFiles(const std::filesystem::path& folder);

// Removes the temporary file of a write in progress, if any. Safe to call from a signal
// handler, so that an interrupted program leaves nothing behind.
void RemovePendingTemporaryFile() noexcept;

// Test seam: the steps of WriteFileAtomically at which a test can make it fail. OpenUnnamed
// (Linux) opens the file without a name; failing it makes the writer take the way of file
// systems that cannot, a hidden temporary name.
enum class WriteStep { Open, OpenUnnamed, Write, Flush, Rename };
// Called before each step (`index` counts the writes from 0); returns the errno value to fail
// with, or 0 to carry on.
using WriteFaultHook = std::function<int(WriteStep step, int index)>;
// Installs `hook` (an empty one removes it); `writeChunkBytes` > 0 splits the data into writes
// of that size so that a test can fail the second or third write.
void SetWriteFaultHook(WriteFaultHook hook, std::size_t writeChunkBytes = 0);

}  // namespace numora
