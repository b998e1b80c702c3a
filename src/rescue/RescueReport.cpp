#include "RescueReport.h"

#include "SizeToText.h"

namespace quorvex {

int RescueReport::close(const SavedJob& job, const Ending& ending) {
    const RescueTally tally = RescueTally::of(job);
    stopNotes(ending);
    for (const JobItem& item : tally.notCopied) notCopied(item);
    walkResults(job);
    figures(tally, job);
    const bool whole = tally.whole() && !ending.interrupted && ending.problem.empty() &&
                       job.unreadFolders.empty() && job.leftOut.empty() && !job.walkFull;
    return whole ? 0 : 1;
}

void RescueReport::notCopied(const JobItem& item) {
    const std::string path = Console::printable(item.FileName);
    if (item.CopiedBytes > 0)
        console_.result("not finished (" + std::to_string(item.CopiedBytes) +
                        " bytes reached): " + path);
    else
        console_.result("not copied: " + path);
}

void RescueReport::stopNotes(const Ending& ending) {
    if (!ending.problem.empty()) console_.note("quorvex-rescue: " + ending.problem);
    if (!ending.interrupted) return;
    if (!ending.jobFile)
        console_.note(
            "Stopped. The job was not saved (no --job FILE given), so a new run "
            "starts over.");
    else if (ending.problem.empty())
        console_.note("Stopped. The job is saved in " + Console::printable(*ending.jobFile) +
                      "; run the same command again to continue.");
}

// What the walk could not take is content not copied as much as a file that failed.
void RescueReport::walkResults(const SavedJob& job) {
    for (const std::string& folder : job.unreadFolders)
        console_.result("not read to its end: " + Console::printable(folder));
    for (const Selection::LeftOut& entry : job.leftOut)
        console_.result("left out (" + Console::printable(entry.reason) +
                        "): " + Console::printable(entry.path));
    if (job.walkFull)
        console_.note(
            "quorvex-rescue: the selection holds more than 1,000,000 entries; the "
            "rest was left out.");
}

void RescueReport::figures(const RescueTally& tally, const SavedJob& job) {
    console_.result("Files copied whole: " + std::to_string(tally.copied));
    console_.result("Files damaged:      " + std::to_string(tally.damaged));
    console_.result("Files not copied:   " + std::to_string(tally.notCopied.size()));
    console_.result("Folders not read:   " + std::to_string(job.unreadFolders.size()));
    console_.result("Left out:           " + std::to_string(job.leftOut.size()));
    console_.result("Bytes copied:       " + bytes(tally.bytesCopied));
    console_.result("Bytes lost:         " + bytes(tally.bytesLost));
}

std::string RescueReport::bytes(std::int64_t count) {
    return std::to_string(count) + " (" + SizeToText(static_cast<double>(count)) + ")";
}

}  // namespace quorvex
