#pragma once
// Lines typed at a terminal, for the interactive mode. Line editing and history come from libedit
// where the build has it; the Windows build reads plain lines.
#include <filesystem>
#include <memory>
#include <string>

namespace numora::cli {

enum class ReadResult { Line, Interrupted, End };

class LineReader {
public:
    virtual ~LineReader() = default;
    // Shows the prompt and reads one line (UTF-8, without its line break). Interrupted: Ctrl+C
    // abandoned the line. End: end of input.
    virtual ReadResult ReadLine(std::string& line) = 0;
    // Keeps `line` for recall, and in the history file when there is one.
    virtual void AddHistory(const std::string& line) = 0;
};

// True when standard input and standard output are both terminals.
bool StandardStreamsAreTerminals();

// Reads from the terminal after `prompt`. While the reader lives, Ctrl+C abandons the line being
// typed or cancels the running calculation instead of ending the program. History is loaded
// from and saved to `historyFile` unless it is empty.
std::unique_ptr<LineReader> OpenTerminalReader(const char* prompt,
                                               const std::filesystem::path& historyFile);

}  // namespace numora::cli
