#include "RescueRun.h"

#include <memory>

#include "InterruptSignal.h"
#include "JobRecorder.h"
#include "LentNames.h"
#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "ProgressPump.h"
#include "RecoveryEngine.h"
#include "WatchedFileLayer.h"
#include "RunObserver.h"
#include "SpeedSampler.h"
#include "SteadyClock.h"
#include "TerminalMessages.h"
#include "TerminalQuestions.h"

namespace quorvex {

namespace {

// The command line has no destination message box of its own; any task but 0 leaves it out.
constexpr std::int32_t kCommandLineTask = 1;

}  // namespace

RescueRun::RescueRun(Console& console, const RescueTexts& texts, ExistingFiles existing,
                     bool sectorPass)
    : console_(console), texts_(texts), existing_(existing), sectorPass_(sectorPass) {}

void RescueRun::run(RescueLedger& ledger, const RescueRoots& roots, JobKeeper* saver,
                    DestinationCheck* destination) {
    PosixSystemCalls calls;
    PosixFileLayer posixFiles(calls);
    PosixFolderLayer folders(calls);
    SteadyClock clock;
    SpeedSampler speed(clock);
    RunStatus status;
    TerminalMessages messages(console_, texts_, status);
    TerminalQuestions questions(console_, texts_, existing_, [&ledger](const std::string& name) {
        return ledger.ownsCopyAt(name);
    });
    const ProgressLine line(texts_);
    ProgressPump pump(console_, clock, status, line);
    const auto files = [&] {
        const InterruptSignal::HeldForNewThreads forMainThreadOnly;
        return std::make_unique<WatchedFileLayer>(posixFiles, pump.waiting());
    }();
    RecoveryEngine engine({*files, folders, messages, questions, pump, speed, texts_.table()});
    engine.setSectorPass(sectorPass_);
    JobRecorder recorder(ledger, engine, clock, saver, destination);
    RunObserver observer(engine, status, console_, recorder);
    engine.display().setObserver(&observer);
    pump.watch(engine.state, recorder);

    const LentNames lent(ledger, engine.job);
    engine.state.Items_Count = lent.count();
    engine.state.SourcePath = roots.source;
    engine.state.DestinationPath = roots.destination;
    engine.state.WizardTask = kCommandLineTask;
    engine.StartProcess();
    console_.clearStatus();
}

}  // namespace quorvex
