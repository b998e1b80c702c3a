// Packs a readable language table into the program's language file format.
//
// Input: UTF-8 lines "index<TAB>English<TAB>Russian<TAB>French<TAB>Spanish[<TAB>note]", "#" comments.
// Output: the entries in file order, separated by the pilcrow, the four texts of an entry
// separated by "|". The index is the text table index; the file entry is index + 2 - row shift.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLanguages = 4;
constexpr int kHighestIndex = 148;
const std::string kPilcrow = "\xC2\xB6";

[[noreturn]] void fail(const std::string& where, const std::string& why) {
    std::cerr << where << ": " << why << '\n';
    std::exit(1);
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

std::string unescapeLineBreaks(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            result += '\n';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

void checkText(const std::string& where, const std::string& text) {
    if (text.find_first_of("\"|") != std::string::npos || text.find(kPilcrow) != std::string::npos)
        fail(where, "a text may not contain a double quote, a bar or a pilcrow");
    if (!text.empty() && (text.front() == ' ' || text.back() == ' '))
        fail(where, "a text may not begin or end with a blank");
}

std::string entryFor(const std::string& where, const std::vector<std::string>& fields) {
    if (fields.size() < 1 + kLanguages) fail(where, "expected an index and four texts");
    std::string entry;
    for (int column = 1; column <= kLanguages; ++column) {
        checkText(where, fields[column]);
        entry += unescapeLineBreaks(fields[column]);
        if (column < kLanguages) entry += '|';
    }
    return entry;
}

std::map<int, std::string> readEntries(const std::string& path, int rowShift) {
    std::ifstream input(path);
    if (!input) fail(path, "cannot be read");
    std::map<int, std::string> entries;
    std::string line;
    for (int lineNumber = 1; std::getline(input, line); ++lineNumber) {
        if (line.empty() || line.front() == '#') continue;
        const std::string where = path + ":" + std::to_string(lineNumber);
        const auto fields = splitTabs(line);
        char* end = nullptr;
        const long index = std::strtol(fields[0].c_str(), &end, 10);
        if (fields[0].empty() || *end != '\0' || index < 0 || index > kHighestIndex)
            fail(where, "the index must be a number from 0 to 148");
        const int fileEntry = static_cast<int>(index) + 2 - rowShift;
        if (!entries.emplace(fileEntry, entryFor(where, fields)).second)
            fail(where, "index " + fields[0] + " appears twice");
    }
    return entries;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: quorvex_langpack TABLE.tsv OUTPUT.txt ROW_SHIFT\n";
        return 2;
    }
    const auto entries = readEntries(argv[1], std::atoi(argv[3]));
    std::string packed;
    const int lastEntry = entries.empty() ? 0 : entries.rbegin()->first;
    for (int entry = 1; entry <= lastEntry; ++entry) {
        if (entry > 1) packed += kPilcrow;
        if (const auto found = entries.find(entry); found != entries.end()) packed += found->second;
    }
    std::ofstream output(argv[2], std::ios::binary);
    output << packed;
    if (!output) fail(argv[2], "cannot be written");
    return 0;
}
