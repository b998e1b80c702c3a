#pragma once

#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace quorvex::test {

// The texts of a readable language table, by index: English, Russian, French, Spanish.
inline std::map<int, std::array<std::string, 4>> readLanguageTable(const std::string& path) {
    std::map<int, std::array<std::string, 4>> rows;
    std::ifstream input(path);
    std::string line;
    while (std::getline(input, line)) {
        if (line.empty() || line.front() == '#') continue;
        std::stringstream fields(line);
        std::string index;
        std::getline(fields, index, '\t');
        auto& texts = rows[std::stoi(index)];
        for (auto& text : texts) {
            std::getline(fields, text, '\t');
            for (std::size_t at; (at = text.find("\\n")) != std::string::npos;)
                text.replace(at, 2, "\n");
        }
    }
    return rows;
}

}  // namespace quorvex::test
