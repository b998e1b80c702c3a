#include "CopyDestination.h"

#include "RunTimeError.h"

namespace quorvex {

void CopyDestination::open(const CopyTarget& target, std::int64_t start) {
    if (target.created) return;
    const bool earlier = target.replacing() || target.earlierCopy;
    files_.open(FileNumber::Destination, target.writtenAs,
                earlier ? FileOpenMode::ReadWrite : FileOpenMode::CreateNew);
    if (earlier && start == 0) files_.setLength(FileNumber::Destination, 0);
}

void CopyDestination::complete(std::int64_t length) {
    files_.setLength(FileNumber::Destination, length);
    try {
        files_.copyAttributes(FileNumber::Source, FileNumber::Destination);
    } catch (const RunTimeError&) {
        // File systems without owners and permissions (FAT) refuse them; the bytes are there.
    }
}

std::string CopyDestination::place(const CopyTarget& target, bool whole) {
    if (!target.replacing() || !files_.names(target.writtenAs, FileNumber::Destination))
        return target.writtenAs;
    if (!whole) return keepBeside(target);
    files_.rename(target.writtenAs, target.path, true);
    return target.path;
}

bool CopyDestination::isInPlace(const std::string& name, std::int64_t length) {
    try {
        return files_.names(name, FileNumber::Destination) &&
               files_.length(FileNumber::Destination) == length;
    } catch (const RunTimeError& error) {
        if (error.number() == ErrorNumber::LinkInPath) throw;
        return false;
    }
}

// The first free name of the numbered ones; a name taken between the look and the rename is
// left alone, and the next one tried.
std::string CopyDestination::keepBeside(const CopyTarget& target) {
    for (int n = 1;; ++n) {
        const std::string name = CopyTarget::incompleteOf(target.path, n);
        if (files_.entry(name).exists()) continue;
        try {
            files_.rename(target.writtenAs, name, false);
            return name;
        } catch (const RunTimeError&) {
            if (!files_.entry(name).exists()) throw;
        }
    }
}

}  // namespace quorvex
