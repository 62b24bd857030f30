// libFuzzer target: worksheet file bytes through the decoder, whole and in pieces. Both ways
// must agree, and a decoded text must come back unchanged through the encoder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "worksheet/Document.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

// Input: one byte choosing the piece size (1..256), then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = std::size_t{data[0]} + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    std::u16string whole;
    const numora::DocumentStatus status = numora::DecodeWorksheet(bytes, whole);

    numora::WorksheetDecoder decoder;
    std::u16string chunked;
    bool fed = true;
    for (std::size_t at = 0; at < bytes.size() && fed; at += piece) {
        fed = decoder.Feed(bytes.substr(at, piece), chunked);
    }
    Require((fed && decoder.Finish()) == (status == numora::DocumentStatus::Ok));
    if (status != numora::DocumentStatus::Ok) return 0;
    Require(chunked == whole);
    Require(whole.find(u'\r') == std::u16string::npos);

    std::u16string again;
    Require(numora::DecodeWorksheet(numora::EncodeWorksheet(whole), again) ==
            numora::DocumentStatus::Ok);
    // A text that starts with U+FEFF loses it: written first in the file, it reads as the
    // byte order mark.
    Require(again == (whole.rfind(u'\uFEFF', 0) == 0 ? whole.substr(1) : whole));
    return 0;
}
