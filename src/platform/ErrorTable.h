#pragma once

namespace quorvex {

// The one place where operating-system error codes become run-time error numbers.
//
//   errno                         number  meaning
//   ENOENT, ENOTDIR               53      file not found
//   EBADF                         52      bad file name or number
//   ENOSPC, EDQUOT                61      disk full
//   EACCES, EPERM, EROFS          70      permission denied
//   ENOMEDIUM, ENODEV, ENXIO      71      disk not ready
//   EIO and every other failure   75      path or file access error
class ErrorTable {
public:
    static int fromErrno(int errnoValue) noexcept;
    static const char* describe(int number) noexcept;
};

}  // namespace quorvex
