#include "worksheet/Document.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <vector>

#include "base/FileIO.h"
#include "base/Text.h"
#include "worksheet/TextBuffer.h"

namespace numora {

namespace {

// Number of bytes a UTF-8 sequence starting with `lead` announces; 0 when it cannot start one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

// Length of the prefix of `bytes` that ends on a character boundary. Only a lead byte near the
// end with too few continuation bytes after it is held back; anything malformed stays in the
// prefix so that decoding rejects it.
std::size_t CompletePrefix(std::string_view bytes) {
    const std::size_t n = bytes.size();
    const std::size_t lowest = n >= 4 ? n - 4 : 0;
    for (std::size_t i = n; i > lowest; --i) {
        const auto b = static_cast<unsigned char>(bytes[i - 1]);
        if ((b & 0xC0) == 0x80) continue;
        const std::size_t need = SequenceLength(b);
        return need > n - (i - 1) ? i - 1 : n;
    }
    return n;
}

// Room for the text and for as much again: a recalculation adds its result lines in place.
// Pages never written take no memory, so this reserves address space, not RAM; where even
// that is short, the text grows as it comes.
void ReserveForText(std::u16string& text, std::uint64_t units) {
    for (const std::uint64_t want : {2 * units, units}) {
        try {
            text.reserve(static_cast<std::size_t>(want));
            return;
        } catch (const std::exception&) {
        }
    }
}

}  // namespace

bool WorksheetDecoder::Feed(std::string_view bytes, std::u16string& out) {
    if (!ok_) return false;
    std::string data = std::move(pending_);
    data.append(bytes);
    const std::size_t cut = CompletePrefix(data);
    std::u16string decoded;
    if (!TryUtf8ToUtf16(std::string_view(data).substr(0, cut), decoded)) {
        ok_ = false;
        pending_.clear();
        return false;
    }
    pending_ = data.substr(cut);
    AppendNormalized(decoded, out);
    if (out.size() > static_cast<std::size_t>(MaxTextLength())) {
        ok_ = false;
        tooLarge_ = true;
        return false;
    }
    return true;
}

void WorksheetDecoder::AppendNormalized(std::u16string_view text, std::u16string& out) {
    if (text.empty()) return;
    if (atStart_) {
        atStart_ = false;
        if (text.front() == u'\uFEFF') text.remove_prefix(1);
    }
    out.reserve(out.size() + text.size());
    for (const char16_t c : text) {
        if (c == u'\n' && afterCr_) {
            afterCr_ = false;  // the LF of a CR LF pair
            continue;
        }
        afterCr_ = c == u'\r';
        out.push_back(afterCr_ ? u'\n' : c);
    }
}

DocumentStatus DecodeWorksheet(std::string_view bytes, std::u16string& text) {
    WorksheetDecoder decoder;
    std::u16string decoded;
    if (!decoder.Feed(bytes, decoded) || !decoder.Finish()) {
        return decoder.TooLarge() ? DocumentStatus::TooLarge : DocumentStatus::NotUtf8;
    }
    text = std::move(decoded);
    return DocumentStatus::Ok;
}

// Straight to UTF-8, line by line: a large worksheet is not copied once more on its way out.
std::string EncodeWorksheet(std::u16string_view text) {
    std::size_t breaks = 0;
    for (const char16_t c : text) breaks += c == u'\n' || c == u'\r';
    std::string out;
    out.reserve(text.size() + breaks);
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(u"\r\n");
        AppendUtf8(text.substr(0, end), out);
        if (end == std::u16string_view::npos) break;
        out += "\r\n";
        const bool pair = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n';
        text.remove_prefix(end + (pair ? 2 : 1));
    }
    return out;
}

DocumentStatus ReadWorksheetFile(const std::filesystem::path& path, std::u16string& text,
                                 std::size_t chunkBytes, FileError* reason, FileStamp* stamp) {
    if (chunkBytes == 0) chunkBytes = 1;
    FileReader reader(path, static_cast<std::uint64_t>(MaxTextLength()));
    const auto fail = [reason, &reader](DocumentStatus status) {
        if (reason) *reason = reader.Error();
        return reader.Error() == FileError::TooLarge ? DocumentStatus::TooLarge : status;
    };
    if (reader.Error() != FileError::None) return fail(DocumentStatus::OpenFailed);

    StampBuilder stamped;
    try {
        std::u16string decoded;
        ReserveForText(decoded, reader.SizeHint());
        WorksheetDecoder decoder;
        std::vector<char> chunk(chunkBytes);
        while (const std::size_t got = reader.Read(chunk.data(), chunk.size())) {
            const std::string_view bytes(chunk.data(), got);
            stamped.Add(bytes);
            if (!decoder.Feed(bytes, decoded)) {
                return decoder.TooLarge() ? DocumentStatus::TooLarge : DocumentStatus::NotUtf8;
            }
        }
        if (reader.Error() != FileError::None) return fail(DocumentStatus::ReadFailed);
        if (!decoder.Finish()) return DocumentStatus::NotUtf8;
        text = std::move(decoded);
    } catch (const std::bad_alloc&) {
        if (reason) *reason = FileError::OutOfMemory;
        return DocumentStatus::ReadFailed;
    } catch (const std::length_error&) {
        if (reason) *reason = FileError::OutOfMemory;
        return DocumentStatus::ReadFailed;
    }
    if (stamp) *stamp = stamped.Finish();
    return DocumentStatus::Ok;
}

DocumentStatus WriteWorksheetFile(const std::filesystem::path& path, std::u16string_view text,
                                  FileError* reason, FileStamp* stamp) {
    const std::string bytes = EncodeWorksheet(text);
    const FileError error = WriteFileAtomically(path, bytes);
    if (reason) *reason = error;
    if (error != FileError::None) return DocumentStatus::WriteFailed;
    if (stamp) *stamp = StampOf(bytes);
    return DocumentStatus::Ok;
}

namespace {

// The name as the window shows it; a name that is no text at all shows as nothing.
std::u16string NameOf(const std::filesystem::path& path) {
    try {
        return path.filename().u16string();
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

bool LoadDocument(const std::filesystem::path& path, std::u16string& text,
                  const DocumentReporter& report, std::size_t chunkBytes, FileStamp* stamp) {
    FileError reason = FileError::None;
    const DocumentStatus status = ReadWorksheetFile(path, text, chunkBytes, &reason, stamp);
    if (status == DocumentStatus::Ok) return true;
    if (report) {
        const std::u16string name = NameOf(path);
        report({kLoadFailedMessage.text, kLoadFailedMessage.title, name,
                LoadFailureReason(status, reason)});
    }
    return false;
}

bool SaveDocument(const std::filesystem::path& path, std::u16string_view text,
                  const DocumentReporter& report, FileStamp* stamp) {
    if (WriteWorksheetFile(path, text, nullptr, stamp) == DocumentStatus::Ok) return true;
    if (report) report(kSaveFailedMessage);
    return false;
}

}  // namespace numora
