#include <filesystem>
#include <system_error>

#include <libburn/libburn.h>

#include "BurnLibraries.h"
#include "DiscBurner.h"
#include "GrabbedDrive.h"
#include "ImageReader.h"
#include "ImageVerifier.h"
#include "IsoImageBuilder.h"

// The jobs DiscBurner runs on its worker thread.
namespace quorvex {

namespace {

// The stdio pseudo drive writes over a file from its start; an image replaced by a smaller one
// must not keep the old one's tail.
bool emptyImageFile(const BurnTarget& target) {
    std::error_code error;
    if (!target.imageFile || !std::filesystem::exists(target.imagePath(), error)) return true;
    std::filesystem::resize_file(target.imagePath(), 0, error);
    return !error;
}

}  // namespace

void DiscBurner::burn(std::uint64_t imageBytes) {
    board_.begin(BurnPhase::Writing, imageBytes);
    // Messages of earlier jobs must not be taken for this one's reason to fail.
    BurnLibraries::lastMessage();
    std::unique_ptr<GrabbedDrive> drive;
    {
        std::lock_guard lock(driveMutex_);
        if (emptyImageFile(target_)) drive = GrabbedDrive::grab(target_.address);
    }
    burn::burn_source* source =
        drive ? IsoImageBuilder(burntEntries(), volumeLabel_).startImage() : nullptr;
    bool written = false;
    if (source != nullptr) {
        written = drive->write(
            source, writeSpeed_, cancel_,
            [this](std::uint64_t done, std::uint64_t total) { board_.advance(done, total); });
        burn::burn_source_free(source);
    }
    if (cancel_) {
        board_.finish(BurnPhase::Cancelled);
    } else if (!written) {
        board_.finish(BurnPhase::Failed, BurnLibraries::lastMessage());
    } else if (verifyAfterBurn_) {
        verify(*drive);
    } else {
        board_.finish(BurnPhase::Done);
    }
    drive.reset();
    listener_.burnFinished();
}

void DiscBurner::verify(GrabbedDrive& drive) {
    if (!drive.isImageFile()) drive.reassess();
    const ImageReader image(drive.handle());
    if (!image.isOpen()) {
        board_.finish(BurnPhase::Failed, BurnLibraries::lastMessage());
        return;
    }
    std::uint64_t total = 0;
    for (const auto& [path, entry] : image.entries()) total += entry.size;
    board_.begin(BurnPhase::Verifying, total);
    auto differing =
        ImageVerifier(burntEntries(), image).differingFiles(cancel_, [this](std::uint64_t done) {
            board_.advance(done, 0);
        });
    if (cancel_) {
        board_.finish(BurnPhase::Cancelled);
        return;
    }
    board_.verified(std::move(differing));
    board_.finish(BurnPhase::Done);
}

void DiscBurner::erase() {
    board_.begin(BurnPhase::Erasing, 0);
    BurnLibraries::lastMessage();
    std::unique_ptr<GrabbedDrive> drive;
    {
        std::lock_guard lock(driveMutex_);
        drive = GrabbedDrive::grab(target_.address);
    }
    const bool erased =
        drive && drive->erase(quickErase_, [this](std::uint64_t done, std::uint64_t total) {
            board_.advance(done, total);
        });
    if (erased) drive->reassess();
    board_.finish(erased ? BurnPhase::Done : BurnPhase::Failed,
                  erased ? std::string() : BurnLibraries::lastMessage());
}

}  // namespace quorvex
