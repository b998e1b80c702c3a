#pragma once

#include <string>
#include <vector>

#include "SavedJob.h"

namespace quorvex {

// The source and destination roots of a rescue, absolute and each with one trailing "/", so
// that every item path starts with the source root and maps below the destination root.
struct RescueRoots {
    std::string source;
    std::string destination;

    // Raises UsageError when the source is not a folder or either root lies in the other.
    static RescueRoots resolve(const std::string& source, const std::string& destination);
    // UsageError when the file would be written inside the source.
    void requireOutsideSource(const std::string& file, const std::string& what) const;
    // Creates the destination with its missing parents; UsageError when it is not a writable
    // folder afterwards.
    void createDestination() const;
    // UsageError unless the saved job was made for these roots and items.
    void requireMatch(const SavedJob& job, const std::vector<std::string>& selected) const;

  private:
    void requireSeparate() const;
};

}  // namespace quorvex
