#include "GrabbedDrive.h"

#include <chrono>
#include <thread>
#include <vector>

#include <libburn/libburn.h>

#include "BurnLibraries.h"

namespace quorvex {

namespace {

constexpr std::uint64_t kDataBlock = 2048;
constexpr auto kPollPause = std::chrono::milliseconds(50);
constexpr auto kBusyPatience = std::chrono::seconds(20);

MediumState stateOf(burn::burn_disc_status status) {
    switch (status) {
        case burn::BURN_DISC_BLANK:
            return MediumState::Blank;
        case burn::BURN_DISC_APPENDABLE:
            return MediumState::Appendable;
        case burn::BURN_DISC_FULL:
            return MediumState::Closed;
        case burn::BURN_DISC_EMPTY:
            return MediumState::NoMedium;
        default:
            return MediumState::Unusable;
    }
}

struct TrackDisc {
    burn::burn_disc* disc = burn::burn_disc_create();
    burn::burn_session* session = burn::burn_session_create();
    burn::burn_track* track = burn::burn_track_create();
    ~TrackDisc() {
        burn::burn_track_free(track);
        burn::burn_session_free(session);
        burn::burn_disc_free(disc);
    }
};

}  // namespace

std::unique_ptr<GrabbedDrive> GrabbedDrive::grab(const std::string& address, Tray tray) {
    if (!BurnLibraries::start()) return nullptr;
    std::vector<char> name(address.begin(), address.end());
    name.push_back('\0');
    burn::burn_drive_info* info = nullptr;
    if (burn::burn_drive_scan_and_grab(&info, name.data(), tray == Tray::Load ? 1 : 0) <= 0 || info == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<GrabbedDrive>(new GrabbedDrive(info));
}

GrabbedDrive::GrabbedDrive(void* driveInfo)
    : driveInfo_(driveInfo), drive_(static_cast<burn::burn_drive_info*>(driveInfo)->drive) {}

GrabbedDrive::~GrabbedDrive() {
    burn::burn_drive_release(drive_, eject_ ? 1 : 0);
    burn::burn_drive_info_free(static_cast<burn::burn_drive_info*>(driveInfo_));
}

MediumInfo GrabbedDrive::medium() const {
    MediumInfo info;
    info.state = stateOf(burn::burn_disc_get_status(drive_));
    info.erasable = burn::burn_disc_erasable(drive_) != 0;
    const off_t space = burn::burn_disc_available_space(drive_, nullptr);
    info.freeBytes = space > 0 ? static_cast<std::uint64_t>(space) : 0;
    return info;
}

bool GrabbedDrive::isImageFile() const {
    return burn::burn_drive_get_drive_role(drive_) != 1;
}

bool GrabbedDrive::write(burn::burn_source* source, int speedKiloBytes,
                         const std::atomic<bool>& cancel, const ProgressSink& progress) {
    TrackDisc layout;
    burn::burn_disc_add_session(layout.disc, layout.session, BURN_POS_END);
    burn::burn_track_define_data(layout.track, 0, 0, 1, BURN_MODE1);
    if (burn::burn_track_set_source(layout.track, source) != burn::BURN_SOURCE_OK) return false;
    burn::burn_session_add_track(layout.session, layout.track, BURN_POS_END);

    burn::burn_write_opts* options = burn::burn_write_opts_new(drive_);
    burn::burn_write_opts_set_perform_opc(options, 0);
    burn::burn_write_opts_set_multi(options, 0);
    burn::burn_write_opts_set_underrun_proof(options, 1);
    burn::burn_write_opts_set_stdio_fsync(options, 1);
    char reasons[BURN_REASONS_LEN] = {};
    const bool started = burn::burn_write_opts_auto_write_type(options, layout.disc, reasons, 0) !=
                             burn::BURN_WRITE_NONE &&
                         startWrite(options, layout.disc, layout.track, speedKiloBytes, cancel);
    burn::burn_write_opts_free(options);
    if (!started) return false;
    waitUntilIdle(&cancel, progress, kDataBlock);
    return burn::burn_drive_wrote_well(drive_) != 0 && !cancel;
}

bool GrabbedDrive::startWrite(burn::burn_write_opts* options, burn::burn_disc* disc,
                              burn::burn_track* track, int speedKiloBytes,
                              const std::atomic<bool>& cancel) {
    burn::burn_drive_set_speed(drive_, 0, speedKiloBytes);
    // The thread of a cancelled write may still be ending its image source for a moment after
    // its drive went idle, and libburn refuses new writes until it is gone. A refused write has
    // read nothing from the source, so it is safe to ask again.
    const auto patience = std::chrono::steady_clock::now() + kBusyPatience;
    for (;;) {
        burn::burn_disc_write(options, disc);
        if (burn::burn_drive_get_status(drive_, nullptr) != burn::BURN_DRIVE_IDLE) return true;
        off_t read = 0;
        off_t written = 0;
        burn::burn_track_get_counters(track, &read, &written);
        // An image is never empty, and libburn's success mark is not reset by a refusal.
        if (read > 0) return true;
        if (cancel || std::chrono::steady_clock::now() > patience) return false;
        std::this_thread::sleep_for(kPollPause);
    }
}

bool GrabbedDrive::erase(bool quick, const ProgressSink& progress) {
    burn::burn_disc_erase(drive_, quick ? 1 : 0);
    // While blanking, libburn counts relative steps up to 0x10000 instead of sectors.
    waitUntilIdle(nullptr, progress, 1);
    return burn::burn_drive_wrote_well(drive_) != 0;
}

void GrabbedDrive::reassess() {
    burn::burn_drive_re_assess(drive_, 0);
}

void GrabbedDrive::waitUntilIdle(const std::atomic<bool>* cancel, const ProgressSink& progress,
                                 std::uint64_t bytesPerStep) {
    burn::burn_progress state{};
    while (burn::burn_drive_get_status(drive_, nullptr) == burn::BURN_DRIVE_SPAWNING) {
        std::this_thread::sleep_for(kPollPause);
    }
    while (burn::burn_drive_get_status(drive_, &state) != burn::BURN_DRIVE_IDLE) {
        // libburn ends the image source itself when a write is cancelled.
        if (cancel != nullptr && *cancel) burn::burn_drive_cancel(drive_);
        if (progress && state.sectors > 0) {
            progress(static_cast<std::uint64_t>(state.sector) * bytesPerStep,
                     static_cast<std::uint64_t>(state.sectors) * bytesPerStep);
        }
        std::this_thread::sleep_for(kPollPause);
    }
}

}  // namespace quorvex
