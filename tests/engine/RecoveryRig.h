#pragma once

#include <gtest/gtest.h>


#include "DamagedMediaFileLayer.h"
#include "ManualClock.h"
#include "PosixFolderLayer.h"
#include "RecoveryEngine.h"
#include "RecoveryTexts.h"
#include "ScriptedEventPump.h"
#include "ScriptedPrompts.h"
#include "ScriptedRecoveryPrompts.h"
#include "SpeedSampler.h"
#include "TemporaryFolder.h"

namespace quorvex::test {

// A recovery engine over real source and destination folders, with a damaged-media file
// layer, scripted prompts and a scripted event pump. Texts are their own index numbers, so a
// test sees which text was used.
class RecoveryRig : public ::testing::Test {
protected:
    RecoveryRig() {
        for (std::size_t index = 0; index < texts.size(); ++index)
            texts[index] = "t" + std::to_string(index);
        engine.state.SourcePath = source.path();
        engine.state.DestinationPath = destination.path();
    }

    // Bytes that differ from position to position, so a misplaced block shows.
    static std::string pattern(std::size_t size, unsigned seed = 7) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 131 + seed + i / 4099) % 251 + 1);
        return bytes;
    }

    void addFile(const std::string& name, std::int64_t startPosition = 0) {
        JobItem item{source.file(name)};
        item.StartPosition = startPosition;
        engine.job.append(item);
        engine.state.Items_Count = engine.job.size();
    }
    void addFolder(const std::string& name) {
        engine.job.append(JobItem{"\t" + source.file(name)});
        engine.state.Items_Count = engine.job.size();
    }
    RunEnd run() { return engine.StartProcess(); }

    std::vector<std::int64_t> readLengths() const {
        std::vector<std::int64_t> lengths;
        for (const ReadCall& call : files.sourceReads())
            lengths.push_back(static_cast<std::int64_t>(call.length));
        return lengths;
    }
    const std::vector<std::string>& history() { return engine.display().history(); }

    TemporaryFolder source;
    TemporaryFolder destination;
    DamagedMediaFileLayer files;
    PosixSystemCalls calls;
    PosixFolderLayer folders{calls};
    ScriptedPrompts messages;
    ScriptedRecoveryPrompts prompts;
    ScriptedEventPump events;
    ManualClock clock;
    SpeedSampler speed{clock};
    TextTable texts{};
    RecoveryEngine engine{{files, folders, messages, prompts, events, speed, texts}};
};

}  // namespace quorvex::test
