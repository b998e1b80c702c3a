#pragma once

#include <cstddef>
#include <string>

#include "Console.h"
#include "JobRecorder.h"
#include "RecoveryEngine.h"
#include "RecoveryObserver.h"
#include "RunStatus.h"

namespace quorvex {

// Follows a run for the terminal: each new history line tells which item the engine works on,
// after each file any new damage record is printed with its lost ranges at once, and the
// engine's notes about an item are printed with the item's path. The start and end of each
// file go on to the job recorder.
class RunObserver final : public RecoveryObserver {
  public:
    RunObserver(const RecoveryEngine& engine, RunStatus& status, Console& console,
                JobRecorder& recorder);

    void historyLine(const std::string& text, bool added) override;
    void figuresChanged(const RecoveryFigures& figures) override { status_.figures = figures; }
    // The figures appear only in the progress line, which needs a terminal.
    bool showsFigures() const override { return console_.showsProgress(); }
    // The terminal follows the items, not the history's texts.
    bool showsHistory() const override { return false; }
    void itemStarted(std::int32_t number) override { recorder_.itemStarted(number); }
    void itemEnded(std::int32_t number) override;
    void itemNote(std::int32_t number, const std::string& text) override;

  private:
    void followCurrentItem();
    void reportNewDamage();
    void reportDamage(const DamageRecord& record);
    void reportUnwritableDestination();

    const RecoveryEngine& engine_;
    RunStatus& status_;
    Console& console_;
    JobRecorder& recorder_;
    std::size_t reported_ = 0;
    bool destinationReported_ = false;
};

}  // namespace quorvex
