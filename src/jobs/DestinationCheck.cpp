#include "DestinationCheck.h"

#include "CopyTarget.h"
#include "RunTimeError.h"

namespace quorvex {

std::vector<std::string> DestinationCheck::redoMissing(SavedJob& job) {
    std::vector<std::string> redone;
    for (JobRecord& record : job.items) {
        if (!record.item.isDone || stillThere(job, record)) continue;
        restart(record);
        redone.push_back(record.item.FileName);
    }
    return redone;
}

std::vector<std::string> DestinationCheck::restartLost(SavedJob& job) {
    std::vector<std::string> restarted;
    for (JobRecord& record : job.items) {
        if (record.item.isDone || record.item.StartPosition == 0 || partialHolds(job, record))
            continue;
        const bool owned = record.ownsCopy;
        restart(record);
        record.ownsCopy = owned;
        restarted.push_back(record.item.FileName);
    }
    return restarted;
}

NameEntry DestinationCheck::entry(const std::string& path) {
    try {
        return files_.entry(path);
    } catch (const RunTimeError&) {
        return {};
    }
}

bool DestinationCheck::nameFree(const std::string& path) {
    try {
        return !files_.entry(path).exists();
    } catch (const RunTimeError&) {
        return false;
    }
}

bool DestinationCheck::stillThere(const SavedJob& job, const JobRecord& record) {
    const NameEntry copy = entry(job.copyOf(record));
    const auto kind = record.link ? NameEntry::Kind::Link : NameEntry::Kind::File;
    return copy.kind == kind && copy.length == record.length;
}

// The engine continues in the partial copy beside an earlier file when there is one, else in
// the file under the destination's own name; either must hold every byte before the offset.
bool DestinationCheck::partialHolds(const SavedJob& job, const JobRecord& record) {
    const std::string destination = job.copyOf(record);
    NameEntry written = entry(CopyTarget::partialOf(destination));
    if (written.kind != NameEntry::Kind::File) written = entry(destination);
    return written.kind == NameEntry::Kind::File && written.length >= record.item.StartPosition;
}

void DestinationCheck::restart(JobRecord& record) {
    JobRecord anew;
    anew.item.FileName = std::move(record.item.FileName);
    record = std::move(anew);
}

}  // namespace quorvex
