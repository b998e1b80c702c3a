#include "RescueRun.h"

#include <algorithm>

#include "PosixFileLayer.h"
#include "PosixFolderLayer.h"
#include "PosixSystemCalls.h"
#include "ProgressPump.h"
#include "RecoveryEngine.h"
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

RescueRun::RescueRun(Console& console, const RescueTexts& texts, ExistingFiles existing)
    : console_(console), texts_(texts), existing_(existing) {}

void RescueRun::run(RescueLedger& ledger, const RescueRoots& roots) {
    PosixSystemCalls calls;
    PosixFileLayer files(calls);
    PosixFolderLayer folders(calls);
    SteadyClock clock;
    SpeedSampler speed(clock);
    RunStatus status;
    TerminalMessages messages(console_, texts_, status);
    TerminalQuestions questions(console_, texts_, existing_);
    const ProgressLine line(texts_);
    ProgressPump pump(console_, clock, status, line);
    RecoveryEngine engine({files, folders, messages, questions, pump, speed, texts_.table()});
    RunObserver observer(engine, status, console_, roots.source);
    engine.display().setObserver(&observer);
    pump.watch(engine.state);

    const std::int32_t count = ledger.load(engine.job);
    engine.state.Items_Count = count;
    engine.state.SourcePath = roots.source;
    engine.state.DestinationPath = roots.destination;
    engine.state.WizardTask = kCommandLineTask;
    engine.StartProcess();
    console_.clearStatus();
    // After a stop the engine is at the interrupted item; after a whole run, one past the end.
    ledger.settle(engine.job, std::min(engine.state.CurrentFile, count),
                  engine.damagedFiles().records());
}

}  // namespace quorvex
