#pragma once
// Worksheet files: UTF-8 text without byte order mark, CR LF line ends. In memory a worksheet
// is UTF-16 with "\n" between paragraphs.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "base/FileError.h"
#include "base/FileStamp.h"
#include "worksheet/DocumentMessages.h"

namespace numora {

// TooLarge: the text would be longer than MaxTextLength(), or the file has more bytes than that.
enum class DocumentStatus { Ok, OpenFailed, ReadFailed, NotUtf8, TooLarge, WriteFailed };

// Decodes a worksheet that arrives in pieces of any size. A character split between pieces
// is kept whole; CR LF, CR and LF each become "\n" (also when CR and LF arrive apart); a
// byte order mark at the very start is dropped. Invalid UTF-8 makes the whole decode fail.
class WorksheetDecoder {
public:
    // Appends the text decoded so far to `out`; false once the input is not UTF-8 or `out`
    // has grown past MaxTextLength().
    bool Feed(std::string_view bytes, std::u16string& out);
    // The input is complete; false when it ended inside a character or Feed failed.
    bool Finish() const { return ok_ && pending_.empty(); }
    bool TooLarge() const { return tooLarge_; }

private:
    void AppendNormalized(std::u16string_view text, std::u16string& out);

    std::string pending_;  // the incomplete character at the end of the last piece
    bool ok_ = true;
    bool tooLarge_ = false;
    bool atStart_ = true;
    bool afterCr_ = false;
};

// Decodes a whole worksheet held in memory (for example read from standard input).
DocumentStatus DecodeWorksheet(std::string_view bytes, std::u16string& text);
// The bytes of a worksheet file: UTF-8 with every line break written as CR LF.
std::string EncodeWorksheet(std::u16string_view text);

// Files are read in chunks of this many bytes (tests use small chunks to put boundaries inside
// characters and line ends); 0 counts as 1.
inline constexpr std::size_t kDefaultReadChunkBytes = 64 * 1024;

// Reads a worksheet file. Each character takes at least one byte, so a file of more bytes than
// MaxTextLength() is refused before it is read. On failure `text` is left as it was and
// `reason`, when given, says why the file could not be opened or read (OutOfMemory when the
// text does not fit). On success `stamp`, when given, describes the bytes read.
DocumentStatus ReadWorksheetFile(const std::filesystem::path& path, std::u16string& text,
                                 std::size_t chunkBytes = kDefaultReadChunkBytes,
                                 FileError* reason = nullptr, FileStamp* stamp = nullptr);
// Writes a worksheet file atomically: on failure the old file is untouched. On success `stamp`,
// when given, describes the bytes written.
DocumentStatus WriteWorksheetFile(const std::filesystem::path& path, std::u16string_view text,
                                  FileError* reason = nullptr, FileStamp* stamp = nullptr);

// Shows a failure to the user (a message box in the program, a recorder in tests).
using DocumentReporter = std::function<void(const DocumentMessage&)>;

// Loads `path` into `text`. On failure reports the load message with the file's name and the
// reason, leaves `text` unchanged and returns false. The caller recolours and places the caret
// afterwards.
bool LoadDocument(const std::filesystem::path& path, std::u16string& text,
                  const DocumentReporter& report, std::size_t chunkBytes = kDefaultReadChunkBytes,
                  FileStamp* stamp = nullptr);
// Saves `text` to `path`. On failure reports the save message and returns false.
bool SaveDocument(const std::filesystem::path& path, std::u16string_view text,
                  const DocumentReporter& report, FileStamp* stamp = nullptr);

}  // namespace numora
