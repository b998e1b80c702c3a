#pragma once

namespace quorvex {

// The one place where operating-system error codes become run-time error numbers.
//
//   errno                         number  meaning
//   ENOENT, ENOTDIR               53      file not found
//   EBADF                         52      bad file name or number
//   ENOSPC, EDQUOT                61      disk full
//   EACCES, EPERM, EROFS          70      permission denied
//   ENOMEDIUM, ENODEV, ENXIO,     71      disk not ready: the device or the daemon or server
//   ENOTCONN, ESHUTDOWN, ESTALE,          behind the file system stopped answering (a FUSE
//   ENOLINK, EHOSTDOWN,                   daemon gone, a disc taken out, a network share cut
//   EHOSTUNREACH, ENETDOWN,               off); never damage of the medium
//   ENETUNREACH, ECONNRESET,
//   ECONNABORTED, ECONNREFUSED,
//   ETIMEDOUT
//   ELOOP                         77      a link on the way (no link is followed below the
//                                         destination root)
//   EIO and every other failure   75      path or file access error; from a read, the one
//                                         number that the copy takes as damage
class ErrorTable {
public:
    static int fromErrno(int errnoValue) noexcept;
    static const char* describe(int number) noexcept;
};

}  // namespace quorvex
