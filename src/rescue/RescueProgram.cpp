#include "RescueProgram.h"

#include <algorithm>
#include <new>

#include "DestinationSync.h"
#include "InterruptSignal.h"
#include "JobLock.h"
#include "JobSaver.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "RecoveryLanguage.h"
#include "RescueHelp.h"
#include "RescueItems.h"
#include "RescueRun.h"
#include "RescueSelection.h"
#include "RetryLostRun.h"
#include "SizeToText.h"
#include "SteadyClock.h"
#include "UsageError.h"

namespace quorvex {

namespace {

constexpr int kFailureStatus = 2;

}  // namespace

// Every failure ends here with a message and status 2, never in an abort: bad usage, an
// unusable root or job file, and anything the run itself raises, down to memory running out.
int RescueProgram::run(const std::vector<std::string>& words) {
    try {
        const RescueArguments arguments = RescueArguments::parse(words);
        if (arguments.retryLost) return RetryLostRun(console_).run(arguments);
        if (!arguments.help) return rescue(arguments);
        console_.result(std::string(RescueArguments::Usage) + "\n" + RescueHelp::Text);
        return 0;
    } catch (const UsageError& error) {
        return fail(error.what(), true);
    } catch (const std::bad_alloc&) {
        return fail("out of memory", false);
    } catch (const std::exception& error) {
        return fail(error.what(), false);
    }
}

int RescueProgram::rescue(const RescueArguments& arguments) {
    const RescueRoots roots = RescueRoots::resolve(arguments.source, arguments.destination);
    const std::vector<std::string> selected = RescueItems::normalize(arguments.items, roots.source);
    const std::optional<JobFile> jobFile = jobFileFor(arguments, roots);
    std::optional<JobLock> lock;
    if (jobFile) lock.emplace(jobFile->path());
    std::optional<SavedJob> saved = savedJob(jobFile, roots, selected);
    roots.createDestination();
    PosixSystemCalls calls;
    PosixFileLayer destinationFiles(calls);
    destinationFiles.confineTo(roots.destination);
    DestinationCheck check(destinationFiles);
    RescueLedger ledger = ledgerFor(std::move(saved), roots, selected, check);
    const RescueReport::Ending ending = runSaving(ledger, roots, arguments, jobFile, check);
    return RescueReport(console_).close(ledger.job(), ending);
}

std::optional<JobFile> RescueProgram::jobFileFor(const RescueArguments& arguments,
                                                 const RescueRoots& roots) const {
    if (!arguments.jobFile) return std::nullopt;
    roots.requireOutsideSource(*arguments.jobFile, "the job file");
    JobFile jobFile(*arguments.jobFile);
    jobFile.requireWritableFolder();
    return jobFile;
}

std::optional<SavedJob> RescueProgram::savedJob(const std::optional<JobFile>& jobFile,
                                                const RescueRoots& roots,
                                                const std::vector<std::string>& selected) {
    if (!jobFile || !jobFile->exists()) return std::nullopt;
    SavedJob job = jobFile->load();
    roots.requireMatch(job, selected);
    return job;
}

// A continued job first checks what earlier runs left in the destination.
RescueLedger RescueProgram::ledgerFor(std::optional<SavedJob> saved, const RescueRoots& roots,
                                      const std::vector<std::string>& selected,
                                      DestinationCheck& check) {
    if (!saved) return RescueLedger(walk(roots, selected));
    notePaths("Copying again (its copy is gone or changed): ", check.redoMissing(*saved));
    notePaths("Starting over (its partial copy is gone): ", check.restartLost(*saved));
    announceContinuation(*saved);
    return RescueLedger(std::move(*saved));
}

// Without a job file the destination is still flushed before the report calls files copied.
RescueReport::Ending RescueProgram::runSaving(RescueLedger& ledger, const RescueRoots& roots,
                                              const RescueArguments& arguments,
                                              const std::optional<JobFile>& jobFile,
                                              DestinationCheck& check) {
    const TextTable table = loadTexts();
    const RescueTexts texts(table);
    const DestinationSync destination(roots.destination);
    const SteadyClock clock;
    std::optional<JobSaver> saver;
    if (jobFile) {
        saver.emplace(*jobFile, destination, clock);
        saver->begin(ledger.job());
    }
    if (!InterruptSignal::raised())
        RescueRun(console_, texts, arguments.existing, arguments.sectorPass)
            .run(ledger, roots, saver ? &*saver : nullptr, jobFile ? &check : nullptr);
    RescueReport::Ending ending;
    ending.interrupted = InterruptSignal::raised() && anythingLeft(ledger.job());
    ending.jobFile = arguments.jobFile;
    if (!saver) {
        ending.problem = destination.sync();
        return ending;
    }
    saver->end(ledger.job());
    if (!saver->problem().empty())
        ending.problem = "the job could not be saved: " + saver->problem();
    return ending;
}

SavedJob RescueProgram::walk(const RescueRoots& roots, const std::vector<std::string>& selected) {
    std::size_t found = 0;
    const auto counter = [&](const std::string&) {
        if (++found % 4096 == 0) console_.status("Reading folders: " + std::to_string(found));
    };
    Selection selection = RescueSelection::collect(roots.source, selected, counter);
    const auto files = std::ranges::count_if(
        selection.entries, [](const std::string& entry) { return !entry.starts_with('\t'); });
    console_.note("Rescuing " + std::to_string(files) + " files (" +
                  SizeToText(static_cast<double>(selection.totalBytes)) + ") from " +
                  Console::printable(roots.source) + " to " +
                  Console::printable(roots.destination) + ".");
    return RescueLedger::fresh(roots.source, roots.destination, selected, std::move(selection));
}

void RescueProgram::announceContinuation(const SavedJob& job) {
    const auto isFile = [](const JobRecord& record) { return !record.item.isFolder(); };
    const auto toDo = [&](const JobRecord& record) {
        return isFile(record) && !record.item.isDone;
    };
    console_.note("Continuing the job: " + std::to_string(std::ranges::count_if(job.items, toDo)) +
                  " of " + std::to_string(std::ranges::count_if(job.items, isFile)) +
                  " files left.");
}

void RescueProgram::notePaths(const std::string& what, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) console_.note(what + Console::printable(path));
}

TextTable RescueProgram::loadTexts() {
    std::string problem;
    TextTable table = RecoveryLanguage::load(problem);
    if (!problem.empty()) console_.note("quorvex-rescue: " + problem);
    return table;
}

int RescueProgram::fail(const std::string& message, bool usage) {
    console_.note("quorvex-rescue: " + message +
                  (usage ? "\n" + std::string(RescueArguments::Usage) : ""));
    return kFailureStatus;
}

bool RescueProgram::anythingLeft(const SavedJob& job) {
    return std::ranges::any_of(job.items, [](const JobRecord& record) {
        return !record.item.isDone && !record.item.isFolder();
    });
}

}  // namespace quorvex
