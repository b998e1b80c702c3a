#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ByteRange.h"
#include "DamagedRanges.h"
#include "FileLayer.h"

namespace quorvex {

// The second look at a file's damaged ranges, once its first pass has copied everything that
// reads easily. Each range is read again in blocks of the file system's size (a file system
// fails a whole block at once, so one read of the block costs less than reading its sectors);
// a block that still fails is read sector by sector from each side where readable data or
// an end of the file borders it, until a sector fails there. What fails is lost; everything read is kept. The
// sectors between two failing ones of the same block are left unread: on a failing medium a
// bad area is one run of sectors, and each failing read can take seconds.
class SectorPass {
  public:
    static constexpr std::int64_t FileSystemBlock = 4096;

    enum class Outcome { Read, Failed, Unreachable };
    struct PieceRead {
        Outcome outcome = Outcome::Failed;
        // Bytes read from the start of the piece; fewer than asked when a driver cut the read
        // short at a bad sector.
        std::size_t count = 0;
    };

    // Where the pass reads and writes: the copy's open source and destination.
    class Medium {
      public:
        virtual ~Medium() = default;
        // Reads the piece at the 1-based position; with `sectors`, past any cache, so that a
        // single sector is reached (Unreachable where the source cannot be read that way).
        virtual PieceRead read(std::int64_t position, std::span<char> buffer, bool sectors) = 0;
        // Writes bytes read into the copy; false when the copy is to stop.
        virtual bool keep(std::int64_t position, std::span<const char> bytes) = 0;
        // Lets the pending events run; false when the user asked to stop.
        virtual bool goOn() = 0;
    };

    struct Result {
        // The ranges still lost, in order.
        DamagedRanges lost;
        // The pass ended early: the user stopped it or a write was given up. The ranges not
        // reached are lost as they were.
        bool stopped = false;
    };

    // Each damaged range is made of pieces of `failedPiece` bytes from its start (the last may be
    // shorter), each of which failed to read whole; with 0 the range is one such piece.
    SectorPass(Medium& medium, std::int64_t sectorSize, std::int64_t failedPiece = 0);

    // A piece of the source file open as FileNumber::Source, read as Medium::read does; a
    // failure of the read raises as the file layer raises it, for the caller to judge.
    static PieceRead readSource(FileLayer& files, std::int64_t position, std::span<char> buffer,
                                bool sectors);

    Result run(const std::vector<ByteRange>& damaged, std::int64_t fileLength);

  private:
    // A block of the range, first..last narrowed to what is still lost.
    struct Cell {
        std::int64_t first;
        std::int64_t last;
        bool good = false;
        // Bytes at the block's front were read before a driver cut the read short.
        bool readFront = false;
        // The end of the sector whose read failed when the block was trimmed from its front.
        std::int64_t failedFrontSectorEnd = 0;
    };

    // Cells first..last of the range's list.
    struct CellSpan {
        std::size_t first;
        std::size_t last;
    };

    // `failedWhole`: the whole range failed to read before (none of it lies past the source's
    // end now).
    void readAgain(const ByteRange& range, bool failedWhole, Result& result);
    // Reads a piece's cells, from its back when `backward`; stops early at a stop.
    void readCells(std::vector<Cell>& cells, const CellSpan& piece, bool backward, bool failedWhole);
    std::vector<CellSpan> piecesOf(const ByteRange& range, const std::vector<Cell>& cells) const;
    std::vector<Cell> cellsOf(const ByteRange& range) const;
    static std::int64_t sizeOf(const Cell& cell) { return cell.last - cell.first + 1; }
    // Reads the cell whole; false when the pass is to stop.
    bool readCell(Cell& cell);
    // Reads the failing cell's sectors from one side until one fails.
    void trimFront(Cell& cell);
    void trimBack(Cell& cell);
    // Reads first..last and keeps what it read; the bytes read, or nothing after a stop.
    std::optional<std::int64_t> readPiece(std::int64_t first, std::int64_t last, bool sectors);

    Medium& medium_;
    std::int64_t failedPiece_;
    std::int64_t sectorSize_;
    std::int64_t blockSize_;
    bool sectorsReachable_ = true;
    bool stopped_ = false;
    std::vector<char> buffer_;
};

}  // namespace quorvex
