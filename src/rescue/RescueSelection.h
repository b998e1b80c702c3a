#pragma once

#include <string>
#include <vector>

#include "Selection.h"
#include "WalkOptions.h"

namespace quorvex {

// Expands the command line's items into the engine's item list, hidden files included. An
// item deeper than the root is preceded by the folder entries of its parents, so that the
// engine creates them before it; an empty item list takes the whole source root.
class RescueSelection {
  public:
    static Selection collect(const std::string& sourceRoot, const std::vector<std::string>& items,
                             const WalkOptions::EntryHook& onEntry);

  private:
    static void addParents(Selection& selection, const std::string& sourceRoot,
                           const std::string& item, std::vector<std::string>& created);
    static void append(Selection& selection, Selection part);
};

}  // namespace quorvex
