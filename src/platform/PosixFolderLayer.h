#pragma once

#include "ConfinedFolder.h"
#include "FolderLayer.h"
#include "SystemCalls.h"

namespace quorvex {

class PosixFolderLayer final : public FolderLayer {
public:
    explicit PosixFolderLayer(SystemCalls& calls);

    bool folderExists(const std::string& path) override;
    void createFolder(const std::string& path) override;
    void confineTo(const std::string& root) override;
    void allowWriting(const std::string& path) override;
    void copyAttributes(const std::string& from, const std::string& to) override;

private:
    [[noreturn]] void raiseLastError(const std::string& path) const;

    SystemCalls& calls_;
    ConfinedFolder confined_{calls_};
};

}  // namespace quorvex
