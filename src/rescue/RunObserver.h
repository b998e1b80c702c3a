#pragma once

#include <cstddef>
#include <string>

#include "Console.h"
#include "RecoveryEngine.h"
#include "RecoveryObserver.h"
#include "RunStatus.h"

namespace quorvex {

// Follows a run for the terminal: each new history line tells which item the engine works on,
// and after each file any new damage record is printed with its lost ranges at once.
class RunObserver final : public RecoveryObserver {
  public:
    RunObserver(const RecoveryEngine& engine, RunStatus& status, Console& console,
                std::string sourceRoot);

    void historyLine(const std::string& text, bool added) override;
    void figuresChanged(const RecoveryFigures& figures) override { status_.figures = figures; }

  private:
    void followCurrentItem();
    void reportDamage(const DamageRecord& record);
    void reportUnwritableDestination();

    const RecoveryEngine& engine_;
    RunStatus& status_;
    Console& console_;
    std::string sourceRoot_;
    std::size_t reported_ = 0;
    bool destinationReported_ = false;
};

}  // namespace quorvex
