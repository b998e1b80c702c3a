#include "Console.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace quorvex {

Console::Console()
    : inputTerminal_(isatty(STDIN_FILENO) == 1), errorTerminal_(isatty(STDERR_FILENO) == 1) {}

int Console::width() const {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col < 20) return 80;
    return size.ws_col;
}

void Console::result(const std::string& line) {
    clearStatus();
    put(STDOUT_FILENO, line + "\n");
}

void Console::note(const std::string& text) {
    clearStatus();
    put(STDERR_FILENO, text + "\n");
}

void Console::status(const std::string& line) {
    if (!errorTerminal_) return;
    put(STDERR_FILENO, "\r\x1b[K" + line);
    statusShown_ = true;
}

void Console::clearStatus() {
    if (!statusShown_) return;
    put(STDERR_FILENO, "\r\x1b[K");
    statusShown_ = false;
}

std::optional<std::string> Console::ask(const std::string& question) {
    clearStatus();
    put(STDERR_FILENO, question);
    std::string answer;
    while (true) {
        char c = 0;
        const ssize_t count = read(STDIN_FILENO, &c, 1);
        if (count <= 0) {
            put(STDERR_FILENO, "\n");
            return std::nullopt;
        }
        if (c == '\n') return answer;
        answer += c;
    }
}

std::string Console::printable(std::string_view path) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
            continue;
        }
        shown += "\\x";
        shown += digits[byte >> 4];
        shown += digits[byte & 0x0F];
    }
    return shown;
}

std::string Console::lineBreaks(std::string_view text) {
    std::string shown(text);
    for (std::size_t index = 0; index < shown.size(); ++index)
        if (shown[index] == '\r' && (index + 1 == shown.size() || shown[index + 1] != '\n'))
            shown[index] = '\n';
    return shown;
}

void Console::put(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = write(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

}  // namespace quorvex
