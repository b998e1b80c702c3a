#pragma once

#include <cstddef>
#include <string>

#include "SavedJob.h"

namespace quorvex {

// Where a job is kept while it runs (a job file, the report history): the job recorder hands
// it every change of an item. A change that counts bytes as copied is kept only once the
// destination's file system was flushed, so that the job never claims bytes the disk may not
// hold. When keeping fails the reason is kept, the keeping stops and the run goes on.
class JobKeeper {
  public:
    virtual ~JobKeeper() = default;

    // A change that depends on no data reaching the disk.
    virtual void saveNow(std::size_t index, const JobRecord& record) = 0;
    // A change kept once the destination was flushed.
    virtual void saveSynced(std::size_t index, const JobRecord& record) = 0;
    // Keeps what waits when it has waited long enough, or now.
    virtual void flushIfDue() = 0;
    virtual void flush() = 0;

    virtual const std::string& problem() const = 0;
    // Where the job is kept, in words a user can follow.
    virtual const std::string& path() const = 0;
};

}  // namespace quorvex
