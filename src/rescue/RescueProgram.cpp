#include "RescueProgram.h"

#include <algorithm>

#include "AtomicFile.h"
#include "InterruptSignal.h"
#include "RecoveryLanguage.h"
#include "RescueItems.h"
#include "RescueReport.h"
#include "RescueRun.h"
#include "RescueSelection.h"
#include "SizeToText.h"
#include "UsageError.h"

namespace quorvex {

namespace {

constexpr int kUsageStatus = 2;
constexpr const char* kHelp =
    "Copies every readable byte of the files below SOURCE_ROOT (or of the ITEMs, given\n"
    "relative to it or absolute) to the same places below DEST_ROOT.\n"
    "  --job FILE        keep the job in FILE; the same command with it continues a stopped run\n"
    "  --overwrite       replace existing destination files\n"
    "  --skip-existing   keep existing destination files (the default without a terminal)\n"
    "Exit status: 0 all files whole, 1 something damaged or not copied, 2 bad usage.";

}  // namespace

int RescueProgram::run(const std::vector<std::string>& words) {
    try {
        const RescueArguments arguments = RescueArguments::parse(words);
        if (!arguments.help) return rescue(arguments);
        console_.result(std::string(RescueArguments::Usage) + "\n" + kHelp);
        return 0;
    } catch (const UsageError& error) {
        console_.note(std::string("quorvex-rescue: ") + error.what() + "\n" +
                      RescueArguments::Usage);
        return kUsageStatus;
    }
}

int RescueProgram::rescue(const RescueArguments& arguments) {
    const RescueRoots roots = RescueRoots::resolve(arguments.source, arguments.destination);
    const std::vector<std::string> selected = RescueItems::normalize(arguments.items, roots.source);
    std::optional<JobFile> jobFile;
    if (arguments.jobFile) jobFile.emplace(*arguments.jobFile);
    RescueLedger ledger = ledgerFor(jobFile, roots, selected);

    std::string languageProblem;
    const TextTable table = RecoveryLanguage::load(languageProblem);
    if (!languageProblem.empty()) console_.note("quorvex-rescue: " + languageProblem);
    const RescueTexts texts(table);
    if (!InterruptSignal::raised())
        RescueRun(console_, texts, arguments.existing).run(ledger, roots);

    RescueReport::Ending ending;
    ending.interrupted = InterruptSignal::raised() && anythingLeft(ledger.job());
    ending.jobFile = arguments.jobFile;
    if (jobFile) ending.saveProblem = save(*jobFile, ledger.job());
    return RescueReport(console_).close(ledger.job(), ending);
}

// Everything that can refuse the command is checked before the destination is created.
RescueLedger RescueProgram::ledgerFor(const std::optional<JobFile>& jobFile,
                                      const RescueRoots& roots,
                                      const std::vector<std::string>& selected) {
    std::optional<SavedJob> saved = savedJob(jobFile, roots, selected);
    roots.createDestination();
    if (!saved) return RescueLedger(walk(roots, selected));
    RescueLedger ledger(std::move(*saved));
    for (const std::string& name : ledger.dropLostResumePoints())
        console_.note("Starting over (its partial copy is gone): " + Console::printable(name));
    announceContinuation(ledger.job());
    return ledger;
}

std::optional<SavedJob> RescueProgram::savedJob(const std::optional<JobFile>& jobFile,
                                                const RescueRoots& roots,
                                                const std::vector<std::string>& selected) {
    if (!jobFile) return std::nullopt;
    jobFile->requireWritableFolder();
    if (!jobFile->exists()) return std::nullopt;
    SavedJob job = jobFile->load();
    RescueLedger::requireMatch(job, roots, selected);
    return job;
}

SavedJob RescueProgram::walk(const RescueRoots& roots, const std::vector<std::string>& selected) {
    std::size_t found = 0;
    const auto counter = [&](const std::string&) {
        if (++found % 4096 == 0) console_.status("Reading folders: " + std::to_string(found));
    };
    const Selection selection = RescueSelection::collect(roots.source, selected, counter);
    const auto files = std::ranges::count_if(
        selection.entries, [](const std::string& entry) { return !entry.starts_with('\t'); });
    console_.note("Rescuing " + std::to_string(files) + " files (" +
                  SizeToText(static_cast<double>(selection.totalBytes)) + ") from " +
                  Console::printable(roots.source) + " to " +
                  Console::printable(roots.destination) + ".");
    return RescueLedger::fresh(roots, selected, selection);
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

std::string RescueProgram::save(const JobFile& jobFile, const SavedJob& job) {
    try {
        jobFile.save(job);
        return {};
    } catch (const AtomicFile::Error& error) {
        return error.what();
    }
}

bool RescueProgram::anythingLeft(const SavedJob& job) {
    return std::ranges::any_of(job.items, [](const JobRecord& record) {
        return !record.item.isDone && !record.item.isFolder();
    });
}

}  // namespace quorvex
