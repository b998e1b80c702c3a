#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "MediumInfo.h"

namespace burn {
struct burn_disc;
struct burn_drive;
struct burn_source;
struct burn_track;
struct burn_write_opts;
}  // namespace burn

namespace quorvex {

// One drive held by this program through libburn, released (and ejected when asked) when the
// object ends. An image file is the "stdio:" pseudo drive on its path.
class GrabbedDrive {
  public:
    // Bytes written so far and the bytes of the whole job.
    using ProgressSink = std::function<void(std::uint64_t done, std::uint64_t total)>;

    // Whether taking a drive closes its tray to load a disc: a burn or an erase does, a look at
    // the medium or an eject must not pull the tray in under the user's hand.
    enum class Tray { Load, LeaveAsIs };
    // The drive at the address, or nullptr when libburn cannot take it.
    static std::unique_ptr<GrabbedDrive> grab(const std::string& address, Tray tray = Tray::Load);
    ~GrabbedDrive();
    GrabbedDrive(const GrabbedDrive&) = delete;
    GrabbedDrive& operator=(const GrabbedDrive&) = delete;

    MediumInfo medium() const;
    bool isImageFile() const;
    burn::burn_drive* handle() const { return drive_; }

    // Writes the source as the medium's one data track, closing the medium. Returns whether
    // libburn wrote it all; a raised cancel flag stops the write within a moment.
    bool write(burn::burn_source* source, int speedKiloBytes, const std::atomic<bool>& cancel,
               const ProgressSink& progress);
    // Blanks a rewritable medium, quickly (its headers) or fully.
    bool erase(bool quick, const ProgressSink& progress);
    // Reads the medium anew after a write or an erase.
    void reassess();
    void ejectWhenReleased() { eject_ = true; }

  private:
    explicit GrabbedDrive(void* driveInfo);
    bool startWrite(burn::burn_write_opts* options, burn::burn_disc* disc, burn::burn_track* track,
                    int speedKiloBytes, const std::atomic<bool>& cancel);
    void waitUntilIdle(const std::atomic<bool>* cancel, const ProgressSink& progress,
                       std::uint64_t bytesPerStep);

    void* driveInfo_;
    burn::burn_drive* drive_;
    bool eject_ = false;
};

}  // namespace quorvex
