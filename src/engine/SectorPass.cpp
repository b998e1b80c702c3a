#include "SectorPass.h"

#include <algorithm>

namespace quorvex {

namespace {

// The last position of the piece of `size` bytes that holds the 1-based position.
std::int64_t pieceEnd(std::int64_t position, std::int64_t size) {
    return ((position - 1) / size + 1) * size;
}

std::int64_t pieceStart(std::int64_t position, std::int64_t size) {
    return (position - 1) / size * size + 1;
}

}  // namespace

SectorPass::SectorPass(Medium& medium, std::int64_t sectorSize, std::int64_t failedPiece)
    : medium_(medium),
      failedPiece_(failedPiece),
      sectorSize_(std::max<std::int64_t>(sectorSize, 1)),
      blockSize_(std::max(FileSystemBlock, sectorSize_)) {}

SectorPass::PieceRead SectorPass::readSource(FileLayer& files, std::int64_t position,
                                             std::span<char> buffer, bool sectors) {
    if (!sectors) return {Outcome::Read, files.read(FileNumber::Source, position, buffer)};
    const auto count = files.readSectors(FileNumber::Source, position, buffer);
    if (!count) return {Outcome::Unreachable, 0};
    return {Outcome::Read, *count};
}

SectorPass::Result SectorPass::run(const std::vector<ByteRange>& damaged,
                                   std::int64_t fileLength) {
    Result result;
    for (const ByteRange& range : damaged) {
        const ByteRange inFile{range.start, std::min(range.end, fileLength)};
        if (stopped_) result.lost.add(inFile.start, inFile.size());
        else if (inFile.start <= inFile.end) readAgain(inFile, inFile.end == range.end, result);
        // Bytes past the source's end now (it shrank) cannot be read again.
        const std::int64_t pastEnd = std::max(range.start, fileLength + 1);
        result.lost.add(pastEnd, range.end - pastEnd + 1);
    }
    result.stopped = stopped_;
    return result;
}

// The range in blocks of the file system: each block is read whole, then the failing ones are
// trimmed from the sides where the bytes beside them were read. Each piece is read from the
// side likelier to read, so that its other blocks are more often known to fail unread: a
// damaged area that began in the range's first piece runs on to its end, and one that ends in
// its last piece runs from its start, so the last piece is read from its back; a range of one
// piece starts with its smaller end block, which holds fewer of the bytes the damage may be in.
void SectorPass::readAgain(const ByteRange& range, bool failedWhole, Result& result) {
    std::vector<Cell> cells = cellsOf(range);
    const std::vector<CellSpan> pieces = piecesOf(range, cells);
    const bool smallerAtBack = sizeOf(cells.back()) < sizeOf(cells.front());
    for (std::size_t p = 0; p < pieces.size() && !stopped_; ++p) {
        const bool last = p + 1 == pieces.size();
        const bool backward = pieces.size() == 1 ? smallerAtBack : last;
        readCells(cells, pieces[p], backward, failedWhole || !last);
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
        Cell& cell = cells[i];
        if (cell.good) continue;
        // The range's own ends border read bytes or an end of the file: either way one
        // failing sector read there is all it can cost.
        const bool readBefore = cell.readFront || i == 0 || cells[i - 1].good;
        const bool readAfter = i + 1 == cells.size() || cells[i + 1].good;
        if (!stopped_ && readBefore) trimFront(cell);
        if (!stopped_ && readAfter) trimBack(cell);
        result.lost.add(cell.first, sizeOf(cell));
    }
}

// A piece that failed whole holds at least one failing byte: once every other block of it has
// read, its last block is known to fail and only its sectors are read.
void SectorPass::readCells(std::vector<Cell>& cells, const CellSpan& piece, bool backward,
                           bool failedWhole) {
    const std::size_t count = piece.last - piece.first + 1;
    bool othersRead = true;
    for (std::size_t n = 0; n < count && !stopped_; ++n) {
        if (failedWhole && othersRead && n + 1 == count) return;
        Cell& cell = cells[backward ? piece.last - n : piece.first + n];
        if (!readCell(cell)) return;
        othersRead = othersRead && cell.good;
    }
}

std::vector<SectorPass::CellSpan> SectorPass::piecesOf(const ByteRange& range,
                                                       const std::vector<Cell>& cells) const {
    std::vector<CellSpan> pieces;
    std::int64_t previous = -1;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::int64_t piece =
            failedPiece_ > 0 ? (cells[i].first - range.start) / failedPiece_ : 0;
        if (piece == previous)
            pieces.back().last = i;
        else
            pieces.push_back({i, i});
        previous = piece;
    }
    return pieces;
}

std::vector<SectorPass::Cell> SectorPass::cellsOf(const ByteRange& range) const {
    std::vector<Cell> cells;
    for (std::int64_t first = range.start; first <= range.end;) {
        const std::int64_t last = std::min(range.end, pieceEnd(first, blockSize_));
        cells.push_back({first, last});
        first = last + 1;
    }
    return cells;
}

bool SectorPass::readCell(Cell& cell) {
    const std::int64_t size = sizeOf(cell);
    const auto read = readPiece(cell.first, cell.last, false);
    if (!read) return false;
    cell.good = *read == size;
    cell.readFront = *read > 0;
    cell.first += *read;
    return true;
}

void SectorPass::trimFront(Cell& cell) {
    while (sectorsReachable_ && cell.first <= cell.last) {
        const std::int64_t first = cell.first;
        const std::int64_t last = std::min(cell.last, pieceEnd(first, sectorSize_));
        const auto read = readPiece(first, last, true);
        if (!read) return;
        cell.first += *read;
        if (*read < last - first + 1) {
            cell.failedFrontSectorEnd = last;
            return;
        }
    }
}

void SectorPass::trimBack(Cell& cell) {
    while (sectorsReachable_ && cell.first <= cell.last) {
        const std::int64_t first = std::max(cell.first, pieceStart(cell.last, sectorSize_));
        // The sector that failed from the front is not read again from the back.
        if (first <= cell.failedFrontSectorEnd) return;
        const auto read = readPiece(first, cell.last, true);
        if (!read || *read < cell.last - first + 1) return;
        cell.last = first - 1;
    }
}

std::optional<std::int64_t> SectorPass::readPiece(std::int64_t first, std::int64_t last,
                                                  bool sectors) {
    if (!medium_.goOn()) {
        stopped_ = true;
        return std::nullopt;
    }
    buffer_.resize(static_cast<std::size_t>(last - first + 1));
    const PieceRead piece = medium_.read(first, buffer_, sectors);
    if (piece.outcome == Outcome::Unreachable) sectorsReachable_ = false;
    if (piece.outcome != Outcome::Read) return 0;
    const std::size_t count = std::min(piece.count, buffer_.size());
    if (count > 0 && !medium_.keep(first, std::span<const char>(buffer_.data(), count))) {
        stopped_ = true;
        return std::nullopt;
    }
    return static_cast<std::int64_t>(count);
}

}  // namespace quorvex
