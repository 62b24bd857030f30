#include "worksheet/Document.h"

#include <fstream>
#include <vector>

#include "base/FileIO.h"
#include "base/Text.h"

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
    if (!decoder.Feed(bytes, decoded) || !decoder.Finish()) return DocumentStatus::NotUtf8;
    text = std::move(decoded);
    return DocumentStatus::Ok;
}

std::string EncodeWorksheet(std::u16string_view text) {
    std::u16string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            crlf += u"\r\n";
        } else {
            crlf.push_back(c);
        }
    }
    return Utf16ToUtf8(crlf);
}

DocumentStatus ReadWorksheetFile(const std::filesystem::path& path, std::u16string& text,
                                 std::size_t chunkBytes) {
    if (chunkBytes == 0) chunkBytes = 1;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return DocumentStatus::OpenFailed;

    WorksheetDecoder decoder;
    std::u16string decoded;
    std::vector<char> chunk(chunkBytes);
    for (;;) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (in.bad()) return DocumentStatus::ReadFailed;
        if (got > 0 && !decoder.Feed(std::string_view(chunk.data(), got), decoded)) {
            return DocumentStatus::NotUtf8;
        }
        if (in.eof()) break;
        if (in.fail()) return DocumentStatus::ReadFailed;
    }
    if (!decoder.Finish()) return DocumentStatus::NotUtf8;
    text = std::move(decoded);
    return DocumentStatus::Ok;
}

DocumentStatus WriteWorksheetFile(const std::filesystem::path& path, std::u16string_view text) {
    return WriteFileAtomically(path, EncodeWorksheet(text)) ? DocumentStatus::Ok
                                                            : DocumentStatus::WriteFailed;
}

bool LoadDocument(const std::filesystem::path& path, std::u16string& text,
                  const DocumentReporter& report, std::size_t chunkBytes) {
    if (ReadWorksheetFile(path, text, chunkBytes) == DocumentStatus::Ok) return true;
    if (report) report(kLoadFailedMessage);
    return false;
}

bool SaveDocument(const std::filesystem::path& path, std::u16string_view text,
                  const DocumentReporter& report) {
    if (WriteWorksheetFile(path, text) == DocumentStatus::Ok) return true;
    if (report) report(kSaveFailedMessage);
    return false;
}

}  // namespace numora
