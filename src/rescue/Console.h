#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// The terminal side of a rescue: results go to standard output, notes, questions and the
// progress line to standard error. The progress line is cleared before anything else is
// written, so it never mixes with other output.
class Console {
  public:
    Console();

    // Questions are asked only when both standard input and standard error are terminals.
    bool interactive() const { return inputTerminal_ && errorTerminal_; }
    bool showsProgress() const { return errorTerminal_; }
    int width() const;

    void result(const std::string& line);
    void note(const std::string& text);
    // Replaces the progress line; nothing happens without a terminal.
    void status(const std::string& line);
    void clearStatus();
    // Shows the question and reads one line; nothing at the end of input or when a signal
    // interrupted the reading.
    std::optional<std::string> ask(const std::string& question);

    // The path with control bytes shown as \xHH, so that a name cannot break a line or steer
    // the terminal.
    static std::string printable(std::string_view path);
    // A lone carriage return, the line break of the engine's texts, becomes a newline.
    static std::string lineBreaks(std::string_view text);

  private:
    static void put(int descriptor, std::string_view bytes);

    bool inputTerminal_;
    bool errorTerminal_;
    bool statusShown_ = false;
};

}  // namespace quorvex
