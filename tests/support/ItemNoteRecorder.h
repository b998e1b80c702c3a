#pragma once

#include <string>
#include <vector>

#include "RecoveryObserver.h"

namespace quorvex::test {

// Keeps the item notes of a run as "NUMBER: TEXT", in the order they came.
class ItemNoteRecorder final : public RecoveryObserver {
public:
    void historyLine(const std::string&, bool) override {}
    void figuresChanged(const RecoveryFigures&) override {}
    void itemNote(std::int32_t number, const std::string& text) override {
        notes.push_back(std::to_string(number) + ": " + text);
    }

    std::vector<std::string> notes;
};

}  // namespace quorvex::test
