#pragma once

namespace quorvex {

// Standard input, output and error are open before the program opens anything: a descriptor
// missing there is opened on /dev/null. Otherwise the first file the program opens would take
// the number 1 or 2, and text meant for the terminal would land in that file.
class StandardDescriptors {
  public:
    // Call first thing in main, before any other file is opened.
    static void ensureOpen();
};

}  // namespace quorvex
