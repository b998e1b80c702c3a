#pragma once

#include <cstddef>
#include <string>

#include "Descriptor.h"
#include "DestinationSync.h"
#include "JobFile.h"
#include "JobKeeper.h"
#include "MonotonicClock.h"
#include "SavedJob.h"

namespace quorvex {

// Keeps the job file in step with a run. The job is written whole, atomically, when the run
// starts and when it ends; in between, each change of an item is appended as one update line,
// so that a run killed at any moment leaves a job the same command continues. A change that
// counts bytes as copied (a file done, an offset reached) is appended only after the
// destination's file system was flushed, so that the job never claims bytes the disk may not
// hold; such changes wait and go out together at most about once a second. When saving fails
// the reason is kept, the saving stops and the run goes on.
class JobSaver final : public JobKeeper {
  public:
    static constexpr double FlushSeconds = 1.0;

    JobSaver(JobFile file, const DestinationSync& destination, const MonotonicClock& clock);

    void begin(const SavedJob& job);
    // Appends at once: nothing it says depends on data reaching the disk.
    void saveNow(std::size_t index, const JobRecord& record) override;
    // Appends once the destination was flushed.
    void saveSynced(std::size_t index, const JobRecord& record) override;
    // Flushes and appends what waits, when it has waited long enough, or now.
    void flushIfDue() override;
    void flush() override;
    // Flushes, then writes the job whole.
    void end(const SavedJob& job);

    const std::string& problem() const override { return problem_; }
    const std::string& path() const override { return file_.path(); }

  private:
    bool syncDestination();
    void append(const std::string& lines);
    void write(const SavedJob& job);

    JobFile file_;
    const DestinationSync& destination_;
    const MonotonicClock& clock_;
    Descriptor journal_;
    std::string waiting_;
    double flushed_ = 0.0;
    std::string problem_;
};

}  // namespace quorvex
