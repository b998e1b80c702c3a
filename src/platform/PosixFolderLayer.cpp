#include "PosixFolderLayer.h"

#include <cerrno>

#include "ErrorTable.h"
#include "RunTimeError.h"

namespace quorvex {

PosixFolderLayer::PosixFolderLayer(SystemCalls& calls) : calls_(calls) {}

bool PosixFolderLayer::folderExists(const std::string& path) {
    struct stat status {};
    return calls_.stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void PosixFolderLayer::createFolder(const std::string& path) {
    if (calls_.mkdir(path.c_str(), 0777) < 0)
        throw RunTimeError(ErrorTable::fromErrno(errno), path);
}

}  // namespace quorvex
