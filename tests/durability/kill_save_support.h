#pragma once
// What the save victim (victim/save_victim.cpp) writes and how it tells the test where it is.
// The victim saves three files again and again, each time with the contents of the next
// generation: a recovery copy (as while typing), the worksheet (a save) and Numora.ini (a
// close), through the program's own functions. Each generation's bytes are known, so after
// a kill the test can tell a complete file of either generation from anything else.
//
// Before each step it reports a line on its standard output, written whole by one write(2):
//   R                    ready, about to save
//   B <file> <gen>       about to save <file> at generation <gen>
//   S <file> <step> <i>  the atomic writer is about to take WriteStep <step> (write number <i>)
//   E <file> <gen> <ok>  the save returned (ok 1) or failed (ok 0)
//   H                    stopped at the point it was told to hold at, waiting for its kill
#include <cerrno>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/FileIO.h"
#include "base/Text.h"
#include "settings/Settings.h"
#include "worksheet/Document.h"
#include "worksheet/RecoveryCopy.h"

namespace numora::killsave {

enum SavedFile { kRecovery, kWorksheet, kIni, kSavedFiles };

inline const char* FileName(int file) {
    static const char* const names[] = {"Recovery-5d1c0e7a-victim.txt", "Sheet.txt", "Numora.ini"};
    return names[file];
}

// Small pieces, so that each file takes several writes and a kill can land between any two.
inline constexpr std::size_t kChunkBytes = 1024;

// Where a victim can be told to hold: a WriteStep of the writer (with the write's number for
// Write), or Done, once the save has returned.
inline constexpr int kDone = static_cast<int>(WriteStep::Rename) + 1;

inline std::u16string SheetText(int gen) {
    std::string text;
    for (int i = 0; i < 300; ++i) {
        // Japanese text puts characters of three bytes across the writes' boundaries.
        text += "x" + std::to_string(i) + " = " + std::to_string(gen) + " * " + std::to_string(i) +
                " ' 合計\n>" + std::to_string(static_cast<long long>(gen) * i) + "\n";
    }
    return Utf8ToUtf16(text);
}

inline std::string SheetBytes(int gen) { return EncodeWorksheet(SheetText(gen)); }

// The unsaved work of generation `gen`: the worksheet last saved, typed on.
inline std::string RecoveryBytes(const std::filesystem::path& folder, int gen) {
    const std::u16string text = SheetText(gen) + u"unsaved " + Utf8ToUtf16(std::to_string(gen));
    return EncodeRecoveryCopy((folder / FileName(kWorksheet)).string(), StampOf(SheetBytes(gen)),
                              text);
}

// Within what a start reads back (0..kMaxLoadedDigits).
inline int DigitsOf(int gen) { return 1 + gen % 100; }

inline void ApplyGeneration(Settings& settings, int gen) {
    settings.Digits = DigitsOf(gen);
    settings.WindowRect = {gen, gen + 1, gen + 800, gen + 601};
    settings.DataPath = Utf8ToUtf16("/home/user/計算/" + std::to_string(gen));
    settings.WordWrap = gen % 2 != 0;
}

// What a generation saves, made before its saves begin so that a kill lands in the saves
// rather than in making up their contents.
struct Generation {
    int gen;
    std::u16string sheet;
    std::string recovery;
};

inline Generation MakeGeneration(const std::filesystem::path& folder, int gen) {
    return {gen, SheetText(gen), RecoveryBytes(folder, gen)};
}

// Saves `file` at generation `g` in `folder` as the program does; false when it failed.
inline bool SaveGeneration(const std::filesystem::path& folder, int file, const Generation& g) {
    switch (file) {
        case kRecovery:
            return WriteFileAtomically(folder / FileName(kRecovery), g.recovery) == FileError::None;
        case kWorksheet:
            return SaveDocument(folder / FileName(kWorksheet), g.sheet, nullptr);
        default: {
            Settings settings(folder, false);
            ApplyGeneration(settings, g.gen);
            return settings.Save();
        }
    }
}

inline bool SaveGeneration(const std::filesystem::path& folder, int file, int gen) {
    return SaveGeneration(folder, file, MakeGeneration(folder, gen));
}

}  // namespace numora::killsave
