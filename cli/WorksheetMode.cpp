#include "cli/WorksheetMode.h"

#include "base/FileError.h"
#include "base/FileIO.h"
#include "base/Text.h"
#include "worksheet/Document.h"

namespace numora::cli {

namespace {

bool ReadAll(std::FILE* in, std::string& bytes) {
    char chunk[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, in);
        bytes.append(chunk, got);
        // A short read is the end: reading on would wait at a terminal for a second Ctrl+D.
        if (got < sizeof chunk) break;
    }
    return !std::ferror(in);
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
    if (fromInput) {
        std::string bytes;
        status = ReadAll(in, bytes) ? DecodeWorksheet(bytes, text) : DocumentStatus::ReadFailed;
    } else {
        status = ReadWorksheetFile(source, text, kDefaultReadChunkBytes, &reason);
    }
    if (status == DocumentStatus::NotUtf8) return Fail(err, name, "not UTF-8 text");
    if (status == DocumentStatus::TooLarge) {
        return Fail(err, name, "too large: a worksheet holds at most 2147483647 characters");
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
