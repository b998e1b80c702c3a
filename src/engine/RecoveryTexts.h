#pragma once

namespace quorvex {

// Indexes of the recovery control's texts in its language table.
namespace RecoveryTexts {
constexpr int FirstFileFigureLabel = 1;  // 1..5, the labels of the file figures
constexpr int FirstRunFigureLabel = 6;   // 6..8, the labels of the run figures
constexpr int CreatingFolder = 9;
constexpr int SourceNotOpened = 10;
constexpr int FolderNotCreated = 11;
constexpr int Skipped = 12;
constexpr int RunStarted = 14;
constexpr int ExistingFileQuestion = 15;  // 15..19, the existing-file prompt
constexpr int Overwriting = 20;
constexpr int Copying = 21;
constexpr int AbortQuestion = 22;  // 22..26, the stop prompt; 27 its caption
constexpr int AbortCaption = 27;
constexpr int FileNotFound = 28;
constexpr int DriveNotReady = 29;
constexpr int FileUnreachable = 30;
constexpr int Overwritten = 32;
constexpr int CopyIncomplete = 33;
constexpr int FileDamaged = 36;
constexpr int RunEnded = 37;
constexpr int DestinationNotWritten = 38;
constexpr int DestinationFull = 39;
constexpr int ReadPermissionDenied = 40;
constexpr int LinkInDestinationPath = 41;
constexpr int KeptBeside = 42;
constexpr int DestinationVanished = 43;
constexpr int LinkRecreated = 44;
constexpr int SourceShrank = 45;
constexpr int SourceGrew = 46;
constexpr int ReadingDamageAgain = 47;
}  // namespace RecoveryTexts

}  // namespace quorvex
