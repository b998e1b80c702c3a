#include "ProgressLine.h"

#include <algorithm>

#include "Console.h"
#include "RecoveryTexts.h"

namespace quorvex {

namespace {

constexpr int kBarWidth = 20;
constexpr std::string_view kCut = "...";
constexpr int kLostLabel = RecoveryTexts::FirstFileFigureLabel + 1;
constexpr int kSpeedLabel = RecoveryTexts::FirstFileFigureLabel + 2;

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string ProgressLine::format(const RunStatus& status, int width) const {
    const RecoveryFigures& figures = status.figures;
    const int percent = std::clamp(figures.fileProgress, 0, 100);
    std::string line = std::to_string(percent) + "% " + bar(percent) + " " +
                       texts_.pick(kSpeedLabel, "Speed") + ": " + figures.StatR[2] + "  " +
                       texts_.pick(kLostLabel, "Lost") + ": " + figures.StatR[1] + "  " +
                       figures.StatT[0];
    const auto room = static_cast<std::size_t>(std::max(width - 1, 0));
    const std::size_t used = columns(line) + 2;
    if (used + kCut.size() + 1 <= room)
        return line + "  " + tailFitting(Console::printable(status.currentItem), room - used);
    return headFitting(line, room);
}

std::string ProgressLine::headFitting(std::string_view text, std::size_t room) {
    std::size_t end = 0;
    for (std::size_t kept = 0; end < text.size(); ++end) {
        if (!isContinuation(text[end]) && ++kept > room) break;
    }
    return std::string(text.substr(0, end));
}

std::size_t ProgressLine::columns(std::string_view text) {
    return static_cast<std::size_t>(
        std::ranges::count_if(text, [](char c) { return !isContinuation(c); }));
}

std::string ProgressLine::tailFitting(std::string_view text, std::size_t room) {
    if (columns(text) <= room) return std::string(text);
    if (room <= kCut.size()) return std::string(kCut.substr(0, room));
    std::size_t start = text.size();
    for (std::size_t kept = 0; start > 0 && kept < room - kCut.size();) {
        --start;
        if (!isContinuation(text[start])) ++kept;
    }
    return std::string(kCut) + std::string(text.substr(start));
}

std::string ProgressLine::bar(int percent) {
    const int filled = percent * kBarWidth / 100;
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "]";
}

}  // namespace quorvex
