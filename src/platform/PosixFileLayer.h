#pragma once

#include <map>
#include <optional>

#include "ConfinedFolder.h"
#include "FileLayer.h"
#include "SystemCalls.h"

namespace quorvex {

// The file layer over POSIX descriptors. Reads and writes go on after EINTR and after short
// transfers, so a count below the request means that the system read nothing more: the end of
// the file, or a driver that cut the read short at a bad block.
class PosixFileLayer final : public FileLayer {
public:
    explicit PosixFileLayer(SystemCalls& calls);
    ~PosixFileLayer() override;
    PosixFileLayer(const PosixFileLayer&) = delete;
    PosixFileLayer& operator=(const PosixFileLayer&) = delete;

    void open(int number, const std::string& path, FileOpenMode mode) override;
    std::size_t read(int number, std::int64_t position, std::span<char> buffer) override;
    void write(int number, std::int64_t position, std::span<const char> bytes) override;
    std::optional<std::size_t> copyRange(int from, int to, std::int64_t position,
                                         std::size_t length) override;
    std::optional<DataExtent> nextData(int number, std::int64_t position) override;
    std::optional<std::size_t> readSectors(int number, std::int64_t position,
                                           std::span<char> buffer) override;
    std::int64_t sectorSize(int number) override;
    std::int64_t length(int number) override;
    FileOpenMode openMode(int number) override;
    void close(int number) override;
    void closeAll() override;

    std::string fileDateTime(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool isSameFile(const std::string& first, const std::string& second) override;
    void remove(const std::string& path) override;
    std::string currentDirectory() override;

    void confineTo(const std::string& root) override;
    NameEntry entry(const std::string& path) override;
    bool names(const std::string& path, int number) override;
    void setLength(int number, std::int64_t length) override;
    void copyAttributes(int from, int to) override;
    void rename(const std::string& from, const std::string& to, bool replace) override;
    void makeLink(const std::string& target, const std::string& path) override;
    std::string readLink(const std::string& path) override;

private:
    struct OpenFile {
        int descriptor = -1;
        FileOpenMode mode = FileOpenMode::Read;
        std::string path;
        // The kernel refused to copy between this file and another (other file systems).
        bool copyRefused = false;
        // Every byte had a block when the file was opened, so it has no holes to look for.
        bool fullyAllocated = false;
        // The file system cannot read this file past its page cache.
        bool directRefused = false;
        // The alignment its reads past the cache need: the medium's logical sector size.
        std::int64_t sectorSize = 512;
        // The status the last look at the file took, which answers the next question about it
        // as long as the file is neither read nor written in between.
        std::optional<struct stat> lookedAt;
        // The status the file had when it was opened, before any of it was read; a copy takes
        // its time and permissions from it, as the bytes it reads are from then on.
        std::optional<struct stat> opened;
        // The kernel reads ahead of the requests; a file read whole by its first read keeps
        // that until it is read again.
        bool readsAhead = false;
        bool readBefore = false;
        // The length a file this layer created has from its writes, while nothing else set it.
        std::optional<std::int64_t> writtenLength;
        // Bytes written since the file's changed pages were last sent on to its disk.
        std::int64_t unsentBytes = 0;
    };

    const OpenFile& openFile(int number) const;
    OpenFile& openFile(int number);
    // Reads the sectors that hold start..start+size into `buffer` past the cache; nothing, with
    // the errno in `failure`, when the first sector could not be read.
    std::optional<std::size_t> readAlignedSectors(const OpenFile& file, off_t start,
                                                  std::span<char> buffer, int& failure);
    OpenFile openDescriptor(const std::string& path, FileOpenMode mode);
    // The status of a regular file or a block device; raises for anything else.
    struct stat requireFileOrDevice(int descriptor, const std::string& path);
    void makeBlocking(int descriptor, const std::string& path);
    void keepReadsToTheirRequest(int descriptor);
    // Turns reading ahead off before any read but a small file's first.
    void beforeRead(OpenFile& file);
    // The file's status, from the last look while it is still good.
    const struct stat& statusOf(OpenFile& file);
    // Counts the bytes written to the file and, every so many, starts writing them to its disk.
    void writeBehind(OpenFile& file, std::size_t written);
    // A write or a cut begins: the file's status must be taken again, and the length it has
    // from the layer's writes, which comes back, holds again only once the call succeeded.
    static std::optional<std::int64_t> startChange(OpenFile& file);
    [[noreturn]] void raiseLastError(const std::string& detail) const;

    SystemCalls& calls_;
    // Every name the layer writes, makes, renames or removes goes through here.
    ConfinedFolder confined_{calls_};
    std::map<int, OpenFile> files_;
};

}  // namespace quorvex
