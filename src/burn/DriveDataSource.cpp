#include "DriveDataSource.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <libburn/libburn.h>
#include <libisofs/libisofs.h>

namespace quorvex {

namespace {

constexpr std::uint32_t kBlockBytes = 2048;
constexpr std::uint32_t kReadAheadBlocks = 32;
// Quiet on a failing read and no second try: the verify reports what failed.
constexpr int kQuietSingleTry = 2 | 4;

struct DriveBlocks {
    burn::burn_drive* drive;
    std::vector<char> buffer = std::vector<char>(kBlockBytes * kReadAheadBlocks);
    std::uint32_t firstBlock = 0;
    std::uint32_t blockCount = 0;

    bool readAt(std::uint32_t block, std::uint32_t count) {
        off_t got = 0;
        const off_t address = static_cast<off_t>(block) * kBlockBytes;
        if (burn::burn_read_data(drive, address, buffer.data(), count * kBlockBytes, &got,
                                 kQuietSingleTry) <= 0 ||
            got < static_cast<off_t>(count) * kBlockBytes) {
            blockCount = 0;
            return false;
        }
        firstBlock = block;
        blockCount = count;
        return true;
    }

    // Near the end of the medium a whole read-ahead may fail where the one block reads.
    bool fill(std::uint32_t block) {
        if (block >= firstBlock && block < firstBlock + blockCount) return true;
        return readAt(block, kReadAheadBlocks) || readAt(block, 1);
    }
};

DriveBlocks* blocksOf(IsoDataSource* source) {
    return static_cast<DriveBlocks*>(source->data);
}

int openSource(IsoDataSource*) {
    return 1;
}
int closeSource(IsoDataSource*) {
    return 1;
}

int readBlock(IsoDataSource* source, std::uint32_t block, std::uint8_t* target) {
    DriveBlocks* blocks = blocksOf(source);
    if (!blocks->fill(block)) return ISO_DATA_SOURCE_FAILURE;
    const std::size_t offset = static_cast<std::size_t>(block - blocks->firstBlock) * kBlockBytes;
    std::memcpy(target, blocks->buffer.data() + offset, kBlockBytes);
    return 1;
}

void freeSource(IsoDataSource* source) {
    delete blocksOf(source);
}

}  // namespace

IsoDataSource* DriveDataSource::create(burn::burn_drive* drive) {
    // libisofs releases the record itself with free() after freeSource.
    auto* source = static_cast<IsoDataSource*>(std::calloc(1, sizeof(IsoDataSource)));
    if (source == nullptr) return nullptr;
    source->refcount = 1;
    source->open = openSource;
    source->close = closeSource;
    source->read_block = readBlock;
    source->free_data = freeSource;
    source->data = new DriveBlocks{drive};
    return source;
}

}  // namespace quorvex
