#pragma once
// How many significant digits a result may show. One place, because the engine, the options
// dialog, the settings file and numora-calc each check them.

namespace numora {

// The engine formats up to this many; the options dialog and --digits accept 0..kMaxResultDigits
// (0 shows every digit a number holds).
inline constexpr int kMaxResultDigits = 255;

// Reading "Digits" from the settings file clamps it to 0..kMaxLoadedDigits, below what the dialog
// accepts: a larger value holds for the run it was chosen in and is written back unchanged, and
// the next start reads it as 127, which is how the file has always been read.
inline constexpr int kMaxLoadedDigits = 127;

}  // namespace numora
