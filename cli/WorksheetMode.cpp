#include "cli/WorksheetMode.h"

#include <algorithm>
#include <string>

#include "base/FileError.h"
#include "base/FileIO.h"
#include "base/Text.h"
#include "worksheet/Document.h"
#include "worksheet/TextBuffer.h"

namespace numora::cli {

namespace {

// Reads standard input to its end, but no more than `maxBytes` and one byte: an endless input
// is refused as too large once it has passed the limit.
DocumentStatus ReadAll(std::FILE* in, std::string& bytes, std::size_t maxBytes) {
    char chunk[1 << 16];
    for (;;) {
        const std::size_t want = std::min(sizeof chunk, maxBytes + 1 - bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, in);
        bytes.append(chunk, got);
        if (bytes.size() > maxBytes) return DocumentStatus::TooLarge;
        // A short read is the end: reading on would wait at a terminal for a second Ctrl+D.
        if (got < want) break;
    }
    return std::ferror(in) ? DocumentStatus::ReadFailed : DocumentStatus::Ok;
}

int Fail(std::FILE* err, const std::string& source, const char* what,
         FileError reason = FileError::None) {
    if (reason == FileError::None) {
        std::fprintf(err, "numora-calc: %s: %s\n", source.c_str(), what);
    } else {
        const std::string_view why = FileErrorText(reason);
        std::fprintf(err, "numora-calc: %s: %s: %.*s\n", source.c_str(), what,
                     static_cast<int>(why.size()), why.data());
    }
    return 2;
}

}  // namespace

int RunWorksheet(CalcEngine& engine, const std::string& source, bool inPlace,
                 const RecalcOptions& options, std::FILE* in, std::FILE* out, std::FILE* err) {
    const bool fromInput = !inPlace && (source.empty() || source == "-");
    const std::string name = fromInput ? std::string("standard input") : source;
    std::u16string text;
    DocumentStatus status;
    FileError reason = FileError::None;
    // Refused before the work whose result could not be saved (and before a FIFO blocks).
    if (inPlace) {
        reason = CheckReplaceable(source);
        if (reason != FileError::None) return Fail(err, name, "cannot be written", reason);
    }
    const auto limit = static_cast<std::size_t>(MaxTextLength());
    if (fromInput) {
        std::string bytes;
        status = ReadAll(in, bytes, limit);
        if (status == DocumentStatus::Ok) status = DecodeWorksheet(bytes, text);
    } else {
        status = ReadWorksheetFile(source, text, kDefaultReadChunkBytes, &reason);
    }
    if (status == DocumentStatus::NotUtf8) return Fail(err, name, "not UTF-8 text");
    if (status == DocumentStatus::TooLarge) {
        const std::string why =
            "too large: a worksheet file holds at most " + std::to_string(limit) + " bytes";
        return Fail(err, name, why.c_str());
    }
    if (status != DocumentStatus::Ok) return Fail(err, name, "cannot be read", reason);

    // The text moves into the recalculation: a large worksheet is held once, not twice.
    const RecalcOutcome outcome = RecalculateWorksheet(std::move(text), engine, options);
    if (inPlace) {
        if (WriteWorksheetFile(source, outcome.text, &reason) != DocumentStatus::Ok) {
            return Fail(err, name, "cannot be written", reason);
        }
    } else {
        const std::string bytes = Utf16ToUtf8(outcome.text);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fflush(out);
    }
    return outcome.failed == 0 ? 0 : 1;
}

}  // namespace numora::cli
