#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "DiscBurner.h"
#include "TemporaryFolder.h"

namespace quorvex::test {

// Keeps what the burner told its listener; burnFinished may come from the worker thread.
class RecordingBurnListener : public BurnListener {
  public:
    void burnFinished() override {
        std::lock_guard lock(mutex_);
        ++finished_;
        changed_.notify_all();
    }
    void driveReadinessChanged(bool ready) override { readiness.push_back(ready); }
    void eraseRequested(bool quick) override { eraseRequests.push_back(quick); }

    bool waitForFinish(std::chrono::seconds patience) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, patience, [this] { return finished_ > 0; });
    }
    int finishedCount() {
        std::lock_guard lock(mutex_);
        return finished_;
    }

    std::vector<bool> readiness;
    std::vector<bool> eraseRequests;

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int finished_ = 0;
};

// A burn folder and a burner that writes to an image file in a folder of its own.
struct BurnRig {
    TemporaryFolder files;
    TemporaryFolder images;
    RecordingBurnListener listener;
    DiscBurner burner{listener};
    std::string image = images.file("disc.iso");

    BurnRig() {
        burner.setTarget(BurnTarget::imageAt(image));
        burner.setVolumeLabel("RESCUED");
    }

    // Burns the folder and waits for the end; the progress says how it went.
    BurnProgress burnAndWait() {
        burner.InitializeMe("/media/cdrom/", files.path());
        const StartRefusal refusal = burner.startBurn();
        if (!refusal.started()) return BurnProgress{};
        listener.waitForFinish(std::chrono::seconds(300));
        return burner.progress();
    }
};

}  // namespace quorvex::test
