#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "DataExtent.h"
#include "NameEntry.h"

namespace quorvex {

// How a numbered file is opened: Read never creates a file, and never reads through a symbolic
// link at the path's end (a file swapped for a link is not read through it: LinkInPath);
// ReadThroughLink reads the file a link there leads to, for the program's own data files;
// ReadWrite creates a missing file; CreateNew creates it and fails when the name is taken.
enum class FileOpenMode { Read, ReadThroughLink, ReadWrite, CreateNew };

// Fixed file numbers of the program's open files.
namespace FileNumber {
constexpr int Source = 1;
constexpr int Destination = 2;
constexpr int Text = 3;
}  // namespace FileNumber

// Binary files opened by number, addressed by 1-based byte positions with 64-bit offsets.
// Paths are the exact bytes of the file system. Every failure raises RunTimeError with the
// run-time error number of the operating system's error (see ErrorTable).
//
// Below the root given to confineTo(), every file opened for writing and every name made,
// renamed, removed or looked at is reached without following a symbolic link, from an open
// descriptor of the root (see ConfinedFolder); a link on the way raises LinkInPath.
class FileLayer {
public:
    virtual ~FileLayer() = default;

    virtual void open(int number, const std::string& path, FileOpenMode mode) = 0;
    // Reads up to buffer.size() bytes at the 1-based position and returns how many were read.
    // Fewer bytes come back at the end of the file, or where a driver ends a read early at a
    // bad block while the file keeps its length (length() tells the two apart); a read that
    // fails part-way raises.
    virtual std::size_t read(int number, std::int64_t position, std::span<char> buffer) = 0;
    virtual void write(int number, std::int64_t position, std::span<const char> bytes) = 0;
    // Copies up to `length` bytes at the position of one file to the same position of another
    // without passing them through the caller, and returns how many were copied (fewer only at
    // the end of the file). Nothing comes back when the layer cannot, or when any part of the
    // copy failed: the caller then reads and writes the block itself, which tells a failing
    // read from a failing write.
    virtual std::optional<std::size_t> copyRange(int /*from*/, int /*to*/,
                                                 std::int64_t /*position*/, std::size_t /*length*/) {
        return std::nullopt;
    }
    // Where the open file holds data at or after the 1-based position: holes of a sparse file
    // read as zeros and need neither reading nor writing. Nothing comes back where the file
    // system cannot tell, asking failed, or the file had a block for every byte when it was
    // opened; the caller then takes everything as data.
    virtual std::optional<DataExtent> nextData(int /*number*/, std::int64_t /*position*/) {
        return std::nullopt;
    }
    // Reads as read() does, but past the system's page cache, so that a read reaches single
    // sectors of the medium (through the cache a failing sector fails its whole page). Nothing
    // comes back where the file cannot be read that way.
    virtual std::optional<std::size_t> readSectors(int /*number*/, std::int64_t /*position*/,
                                                   std::span<char> /*buffer*/) {
        return std::nullopt;
    }
    // The smallest piece readSectors reaches: the medium's logical sector size where the layer
    // has learnt it, otherwise 512.
    virtual std::int64_t sectorSize(int /*number*/) { return 512; }
    virtual std::int64_t length(int number) = 0;
    virtual FileOpenMode openMode(int number) = 0;
    virtual void close(int number) = 0;
    virtual void closeAll() = 0;

    // The file's last modification as date and time text in the user's locale.
    virtual std::string fileDateTime(const std::string& path) = 0;
    virtual bool exists(const std::string& path) = 0;
    // True when both paths name the very same file (one device, one inode), by any route.
    virtual bool isSameFile(const std::string& first, const std::string& second) = 0;
    virtual void remove(const std::string& path) = 0;
    virtual std::string currentDirectory() = 0;

    // Confines the writing work below the root from now on; an empty root ends it.
    virtual void confineTo(const std::string& root) = 0;
    virtual NameEntry entry(const std::string& path) = 0;
    // True when the path, its last component not followed, leads to the open file (one device,
    // one inode). Where the layer confines the path, a link on the way that leads anywhere else
    // raises LinkInPath.
    virtual bool names(const std::string& path, int number) = 0;
    // Cuts or extends the open file to the length; an extension reads as zeros.
    virtual void setLength(int number, std::int64_t length) = 0;
    // Gives file `to` the modification time and permission bits of the regular file `from`;
    // set-user-ID, set-group-ID and sticky bits are never given.
    virtual void copyAttributes(int from, int to) = 0;
    // Without `replace`, a taken name is left alone and the rename fails.
    virtual void rename(const std::string& from, const std::string& to, bool replace) = 0;
    virtual void makeLink(const std::string& target, const std::string& path) = 0;
    // The target text of a symbolic link.
    virtual std::string readLink(const std::string& path) = 0;
};

}  // namespace quorvex
