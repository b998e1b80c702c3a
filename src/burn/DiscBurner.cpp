#include "DiscBurner.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include <unistd.h>

#include <libburn/libburn.h>

#include "BurnLibraries.h"
#include "DriveList.h"
#include "GrabbedDrive.h"
#include "ImageReader.h"
#include "ImageVerifier.h"
#include "IsoImageBuilder.h"

namespace quorvex {

namespace fs = std::filesystem;

DiscBurner::DiscBurner(BurnListener& listener) : listener_(listener) {
    BurnLibraries::start();
}

DiscBurner::~DiscBurner() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

void DiscBurner::InitializeMe(const std::string& sourceFolder, const std::string& burnFolder) {
    AbortJob();
    disabled_ = false;
    {
        std::lock_guard lock(driveMutex_);
        sourceFolder_ = sourceFolder;
        burnFolder_ = burnFolder;
        selection_.clear();
        measuredSize_.reset();
    }
    isBurnDriveReady();
}

bool DiscBurner::isBurnDriveReady() {
    if (disabled_ || board_.running()) return !disabled_ && lastReady_;
    bool ready = false;
    lookAtMedium(ready);
    return ready;
}

// One look at the drive gives both the medium and the readiness, which is told when it changed
// while the burner is active.
MediumInfo DiscBurner::lookAtMedium(bool& ready) {
    MediumInfo info;
    {
        std::lock_guard lock(driveMutex_);
        info = mediumOf(target_);
        ready = target_.imageFile ? imagePlaceWritable() : info.state == MediumState::Blank;
    }
    if (!disabled_ && !board_.running()) noteReadiness(ready);
    return info;
}

void DiscBurner::CancelBurn() {
    cancel_ = true;
}

void DiscBurner::AbortJob() {
    if (worker_.joinable()) worker_.join();
    std::lock_guard lock(driveMutex_);
    burnFolder_.clear();
    selection_.clear();
    measuredSize_.reset();
    board_.reset();
}

void DiscBurner::OpenTray() {
    std::lock_guard lock(driveMutex_);
    if (target_.imageFile || board_.running()) return;
    if (auto drive = GrabbedDrive::grab(target_.address, GrabbedDrive::Tray::LeaveAsIs))
        drive->ejectWhenReleased();
}

void DiscBurner::DisableMe() {
    disabled_ = true;
    noteReadiness(false);
}

void DiscBurner::setQuickErase(bool quick) {
    quickErase_ = quick;
}

// After the erase sequence's agreement the asked erase runs; readiness follows its end.
void DiscBurner::ReInitializeMe() {
    if (board_.running()) return;
    if (worker_.joinable()) worker_.join();
    disabled_ = false;
    if (std::exchange(eraseAsked_, false) && startErase().started()) return;
    isBurnDriveReady();
}

std::vector<BurnTarget> DiscBurner::burners() {
    if (board_.running()) return {};
    return DriveList::opticalDrives();
}

void DiscBurner::setTarget(const BurnTarget& target) {
    std::lock_guard lock(driveMutex_);
    target_ = target;
}

BurnTarget DiscBurner::currentTarget() const {
    std::lock_guard lock(driveMutex_);
    return target_;
}

MediumInfo DiscBurner::medium() {
    bool ready = false;
    return lookAtMedium(ready);
}

MediumInfo DiscBurner::mediumOf(const BurnTarget& target) const {
    if (target.imageFile) {
        std::error_code error;
        const fs::space_info space = fs::space(fs::path(target.imagePath()).parent_path(), error);
        MediumInfo info{MediumState::Blank, false, error ? 0 : space.available};
        if (target.imageCapacity > 0 && target.imageCapacity < info.freeBytes) {
            info.freeBytes = target.imageCapacity;
        }
        return info;
    }
    // A burn that started while this look waited for the drive holds it now.
    if (board_.running() || target.address.empty()) return MediumInfo{};
    const auto drive = GrabbedDrive::grab(target.address, GrabbedDrive::Tray::LeaveAsIs);
    return drive ? drive->medium() : MediumInfo{};
}

// Measuring builds the whole image tree, so a job's size is measured once; the label does not
// change it (the volume id has a fixed place).
std::uint64_t DiscBurner::dataSize() const {
    if (burnFolder_.empty()) return 0;
    if (!measuredSize_) measuredSize_ = IsoImageBuilder(burntEntries(), volumeLabel_).imageSize();
    return *measuredSize_;
}

bool DiscBurner::imagePlaceWritable() const {
    const fs::path image = target_.imagePath();
    std::error_code error;
    const fs::path folder = image.parent_path();
    if (image.filename().empty() || !fs::is_directory(folder, error) ||
        ::access(folder.c_str(), W_OK) != 0 || liesInBurnFolder(folder)) {
        return false;
    }
    const fs::file_status status = fs::symlink_status(image, error);
    if (!fs::exists(status)) return true;
    return target_.replaceExistingImage && fs::is_regular_file(status) &&
           ::access(image.c_str(), W_OK) == 0;
}

// An image written among the files it is made of would take in its own first bytes.
bool DiscBurner::liesInBurnFolder(const fs::path& folder) const {
    if (burnFolder_.empty()) return false;
    std::error_code error;
    const fs::path place = fs::canonical(folder, error);
    const fs::path burnt = fs::canonical(burnFolder_, error);
    if (error) return false;
    const fs::path inside = place.lexically_relative(burnt);
    return !inside.empty() && *inside.begin() != "..";
}

void DiscBurner::noteReadiness(bool ready) {
    if (lastReady_.exchange(ready) == ready) return;
    listener_.driveReadinessChanged(ready);
}

StartRefusal DiscBurner::refusalBeforeStart() const {
    if (disabled_) return {StartRefusalReason::Disabled};
    if (board_.running()) return {StartRefusalReason::Busy};
    return {};
}

StartRefusal DiscBurner::startBurn() {
    StartRefusal refusal = refusalBeforeStart();
    if (!refusal.started()) return refusal;
    if (burnFolder_.empty()) return {StartRefusalReason::NoJob};
    bool ready = false;
    const MediumInfo info = lookAtMedium(ready);
    if (!ready) {
        if (info.erasable && info.state != MediumState::Blank) {
            eraseAsked_ = true;
            listener_.eraseRequested(!quickErase_);
            return {StartRefusalReason::NeedsErase};
        }
        return {StartRefusalReason::NotReady};
    }
    const std::uint64_t needed = dataSize();
    if (needed == 0) return {StartRefusalReason::ImageFailed};
    const std::uint64_t available = info.freeBytes;
    if (needed > available) return {StartRefusalReason::TooLarge, needed, available};
    runOnWorker([this, needed] { burn(needed); });
    return {};
}

StartRefusal DiscBurner::startErase() {
    StartRefusal refusal = refusalBeforeStart();
    if (!refusal.started()) return refusal;
    if (currentTarget().imageFile || !medium().erasable) return {StartRefusalReason::NotErasable};
    runOnWorker([this] { erase(); });
    return {};
}

void DiscBurner::runOnWorker(std::function<void()> job) {
    if (worker_.joinable()) worker_.join();
    cancel_ = false;
    board_.reset();
    board_.begin(BurnPhase::Writing, 0);
    worker_ = std::thread(std::move(job));
}

}  // namespace quorvex
