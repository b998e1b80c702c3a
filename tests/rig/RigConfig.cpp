#include "RigConfig.h"

#include <stdexcept>

#include "RigCounters.h"

namespace quorvex::test {
namespace {

void checkName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.back() == '/')
        throw std::invalid_argument("\"" + name + "\" is not a relative name");
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view part = std::string_view(name).substr(start, end - start);
        if (part.empty() || part == "." || part == ".." || part.size() > 255)
            throw std::invalid_argument("\"" + name + "\" has an unusable part");
        start = end + 1;
    }
    if (name == RigCounters::fileName) throw std::invalid_argument("\"" + name + "\" is the rig's own file");
}

}  // namespace

RigConfig RigConfig::parse(std::string_view text) {
    RigConfig config;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        ++number;
        try {
            const RigConfigLine line(text.substr(0, end));
            if (!line.empty()) config.apply(line);
        } catch (const std::invalid_argument& error) {
            throw std::invalid_argument("line " + std::to_string(number) + ": " + error.what());
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return config;
}

void RigConfig::apply(const RigConfigLine& line) {
    const std::string& directive = line.directive();
    if (directive == "dir") {
        line.expectArguments(1);
        addFolder(line.text(0));
    } else if (directive == "file") {
        addFile(line);
    } else if (directive == "bad") {
        addBadRange(line);
    } else if (directive == "slow") {
        line.expectArguments(2);
        fileNamed(line.text(0)).slowMicroseconds = line.number(1);
    } else if (directive == "failslow") {
        line.expectArguments(2);
        fileNamed(line.text(0)).failSlowMicroseconds = line.number(1);
    } else if (directive == "shrink") {
        addShrink(line);
    } else if (directive == "vanish") {
        line.expectArguments(2);
        fileNamed(line.text(0)).vanishAfterReads = line.number(1);
    } else if (directive == "directio") {
        line.expectArguments(1);
        fileNamed(line.text(0)).directIo = true;
    } else {
        throw std::invalid_argument("unknown directive \"" + directive + "\"");
    }
}

void RigConfig::addFolder(const std::string& name) {
    checkName(name);
    addParentsOf(name);
    claim(name, Kind::Folder);
    folders_.push_back(name);
}

void RigConfig::addFile(const RigConfigLine& line) {
    line.expectArguments(3);
    RigFileSetup file;
    file.name = line.text(0);
    file.size = line.number(1);
    file.seed = line.number(2);
    checkName(file.name);
    addParentsOf(file.name);
    claim(file.name, Kind::File);
    files_.push_back(std::move(file));
}

void RigConfig::addBadRange(const RigConfigLine& line) {
    line.expectArguments(3);
    if (line.number(2) == 0) throw std::invalid_argument("a bad range needs a length");
    fileNamed(line.text(0)).badRanges.push_back({line.number(1), line.number(2)});
}

void RigConfig::addShrink(const RigConfigLine& line) {
    line.expectArguments(3);
    RigFileSetup& file = fileNamed(line.text(0));
    if (line.number(2) > file.size) throw std::invalid_argument("a file can only shrink");
    file.shrink = RigFileSetup::Shrink{line.number(1), line.number(2)};
}

void RigConfig::addParentsOf(const std::string& name) {
    for (std::size_t slash = name.find('/'); slash != std::string::npos;
         slash = name.find('/', slash + 1)) {
        const std::string parent = name.substr(0, slash);
        const auto known = names_.find(parent);
        if (known == names_.end()) {
            claim(parent, Kind::Folder);
            folders_.push_back(parent);
        } else if (known->second == Kind::File) {
            throw std::invalid_argument("\"" + parent + "\" is a file, not a folder");
        }
    }
}

void RigConfig::claim(const std::string& name, Kind kind) {
    if (!names_.emplace(name, kind).second)
        throw std::invalid_argument("\"" + name + "\" is declared twice");
}

RigFileSetup& RigConfig::fileNamed(const std::string& name) {
    for (RigFileSetup& file : files_)
        if (file.name == name) return file;
    throw std::invalid_argument("\"" + name + "\" is not a file declared above");
}

}  // namespace quorvex::test
