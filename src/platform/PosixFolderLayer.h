#pragma once

#include "FolderLayer.h"
#include "SystemCalls.h"

namespace quorvex {

class PosixFolderLayer final : public FolderLayer {
public:
    explicit PosixFolderLayer(SystemCalls& calls);

    bool folderExists(const std::string& path) override;
    void createFolder(const std::string& path) override;

private:
    SystemCalls& calls_;
};

}  // namespace quorvex
