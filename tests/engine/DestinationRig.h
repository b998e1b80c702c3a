#pragma once

#include <sys/stat.h>


#include "FolderSnapshot.h"
#include "ItemNoteRecorder.h"
#include "RecoveryRig.h"

namespace quorvex::test {

// A recovery rig that also records the items' notes and has a folder outside the destination,
// where nothing may ever change.
class DestinationRig : public RecoveryRig {
protected:
    DestinationRig() {
        engine.display().setObserver(&recorder);
        outside.write("victim", "outside");
    }

    static struct stat statusOf(const std::string& path) {
        struct stat status {};
        EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
        return status;
    }

    TemporaryFolder outside;
    ItemNoteRecorder recorder;
};

}  // namespace quorvex::test
