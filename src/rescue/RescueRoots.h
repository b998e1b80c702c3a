#pragma once

#include <string>

namespace quorvex {

// The source and destination roots of a rescue, absolute and each with one trailing "/", so
// that every item path starts with the source root and maps below the destination root.
struct RescueRoots {
    std::string source;
    std::string destination;

    // Raises UsageError when the source is not a folder or the destination lies in the source.
    static RescueRoots resolve(const std::string& source, const std::string& destination);
    // Creates the destination with its missing parents; UsageError when it is not a writable
    // folder afterwards.
    void createDestination() const;

  private:
    void requireSeparate() const;
};

}  // namespace quorvex
