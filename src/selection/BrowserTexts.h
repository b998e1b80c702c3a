#pragma once

namespace quorvex {

// Indexes of the browser's own text table.
namespace BrowserText {
constexpr int CurrentFolder = 1;
constexpr int NewFolderPrompt = 2;
constexpr int NewFolderTitle = 3;
constexpr int CannotCreateFolder = 4;
constexpr int AudioCd = 6;
constexpr int BackTip = 7;
constexpr int UpTip = 8;
constexpr int Collecting = 9;
constexpr int FolderUnreadable = 10;
constexpr int FoldersIncomplete = 11;
constexpr int ListFull = 12;
}  // namespace BrowserText

}  // namespace quorvex
