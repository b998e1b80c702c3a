#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "BurnDesk.h"
#include "BurnListener.h"
#include "BurntEntries.h"
#include "BurnProgress.h"
#include "BurnTarget.h"
#include "MediumInfo.h"
#include "ProgressBoard.h"
#include "StartRefusal.h"

namespace quorvex {

// The burner over libisoburn's libraries: builds the image of the burn folder with libisofs,
// writes it with libburn to a disc or an image file and reads it back to compare. Writing,
// erasing and verifying run on a worker thread; the caller polls progress() or waits for the
// listener's burnFinished. The medium and readiness may be asked from another thread than the
// window's: every look at a drive and at the target is serialised.
class DiscBurner : public BurnDesk {
  public:
    explicit DiscBurner(BurnListener& listener);
    ~DiscBurner() override;
    DiscBurner(const DiscBurner&) = delete;
    DiscBurner& operator=(const DiscBurner&) = delete;

    void InitializeMe(const std::string& sourceFolder, const std::string& burnFolder) override;
    bool isBurnDriveReady() override;
    void CancelBurn() override;
    void AbortJob() override;
    void OpenTray() override;
    void DisableMe() override;
    void setQuickErase(bool quick) override;
    void ReInitializeMe() override;

    std::vector<BurnTarget> burners() override;
    void setTarget(const BurnTarget& target) override;
    void setVolumeLabel(const std::string& label) override { volumeLabel_ = label; }
    void setVerifyAfterBurn(bool verify) override { verifyAfterBurn_ = verify; }
    void setSelection(std::vector<std::string> names) override {
        selection_ = std::move(names);
        measuredSize_.reset();
    }
    bool verifyAfterBurn() const { return verifyAfterBurn_; }
    // Write speed in kB/s (1000 bytes), 0 for the drive's fastest.
    void setWriteSpeed(int kiloBytesPerSecond) { writeSpeed_ = kiloBytesPerSecond; }
    bool quickErase() const { return quickErase_; }
    const std::string& sourceFolder() const { return sourceFolder_; }

    // The medium in the chosen burner; an image file is blank with its volume's free space (or
    // its capacity when smaller). While a job holds a disc drive the answer is NoMedium.
    MediumInfo medium() override;
    std::uint64_t dataSize() const override;
    // Starts the burn, or says why not before anything is written. A closed or appendable
    // rewritable disc asks for an erase (eraseRequested) and is refused with NeedsErase; adding
    // a session to an appendable disc is not offered.
    StartRefusal startBurn() override;
    // Starts erasing the medium the way QuickErase says; its end shows in progress(). Image
    // files are never erased: a burn replaces them. The wizard's erase sequence starts it through
    // ReInitializeMe after the user agreed to the erase that startBurn asked for.
    StartRefusal startErase();
    BurnProgress progress() const override { return board_.snapshot(); }

  private:
    StartRefusal refusalBeforeStart() const;
    BurnTarget currentTarget() const;
    // The medium and whether it takes a burn now, from one look at the drive.
    MediumInfo lookAtMedium(bool& ready);
    // The medium of the target; the caller holds driveMutex_.
    MediumInfo mediumOf(const BurnTarget& target) const;
    bool imagePlaceWritable() const;
    BurntEntries burntEntries() const { return {burnFolder_, selection_}; }
    bool liesInBurnFolder(const std::filesystem::path& folder) const;
    void noteReadiness(bool ready);
    void runOnWorker(std::function<void()> job);
    void burn(std::uint64_t imageBytes);
    void verify(class GrabbedDrive& drive);
    void erase();

    BurnListener& listener_;
    // Guards target_ and the job's folder, and lets one look at a drive happen at a time.
    mutable std::mutex driveMutex_;
    BurnTarget target_;
    std::string sourceFolder_;
    std::string burnFolder_;
    std::vector<std::string> selection_;
    mutable std::optional<std::uint64_t> measuredSize_;
    std::string volumeLabel_;
    bool verifyAfterBurn_ = true;
    bool quickErase_ = true;
    std::atomic<bool> disabled_{false};
    std::atomic<bool> lastReady_{false};
    bool eraseAsked_ = false;
    int writeSpeed_ = 0;
    std::atomic<bool> cancel_{false};
    ProgressBoard board_;
    std::thread worker_;
};

}  // namespace quorvex
