#pragma once

#include "Console.h"
#include "RescueArguments.h"

namespace quorvex {

// quorvex-rescue --retry-lost --job FILE: reads the still-lost ranges of the job's files again
// into their copies, keeps each file's narrowed ranges in the job as soon as the destination
// holds them (see JobSaver), and reports each file. Returns 0 when nothing is lost any more,
// 1 otherwise; failures raise.
class RetryLostRun {
  public:
    explicit RetryLostRun(Console& console) : console_(console) {}

    int run(const RescueArguments& arguments);

  private:
    Console& console_;
};

}  // namespace quorvex
