#include "ErrorTable.h"

#include <cerrno>

#include "RunTimeError.h"

namespace quorvex {

int ErrorTable::fromErrno(int errnoValue) noexcept {
    switch (errnoValue) {
        case ENOENT:
        case ENOTDIR:
            return ErrorNumber::FileNotFound;
        case EBADF:
            return ErrorNumber::BadFileNameOrNumber;
        case ENOSPC:
        case EDQUOT:
            return ErrorNumber::DiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
            return ErrorNumber::PermissionDenied;
        case ENOMEDIUM:
        case ENODEV:
        case ENXIO:
        case ENOTCONN:
        case ESHUTDOWN:
        case ESTALE:
        case ENOLINK:
        case EHOSTDOWN:
        case EHOSTUNREACH:
        case ENETDOWN:
        case ENETUNREACH:
        case ECONNRESET:
        case ECONNABORTED:
        case ECONNREFUSED:
        case ETIMEDOUT:
            return ErrorNumber::DiskNotReady;
        case ELOOP:
            return ErrorNumber::LinkInPath;
        default:
            return ErrorNumber::PathFileAccessError;
    }
}

const char* ErrorTable::describe(int number) noexcept {
    switch (number) {
        case ErrorNumber::Overflow: return "Overflow";
        case ErrorNumber::OutOfMemory: return "Out of memory";
        case ErrorNumber::SubscriptOutOfRange: return "Subscript out of range";
        case ErrorNumber::InternalError: return "Internal error";
        case ErrorNumber::BadFileNameOrNumber: return "Bad file name or number";
        case ErrorNumber::FileNotFound: return "File not found";
        case ErrorNumber::FileAlreadyOpen: return "File already open";
        case ErrorNumber::DiskFull: return "Disk full";
        case ErrorNumber::BadRecordNumber: return "Bad record number";
        case ErrorNumber::PermissionDenied: return "Permission denied";
        case ErrorNumber::DiskNotReady: return "Disk not ready";
        case ErrorNumber::PathFileAccessError: return "Path/File access error";
        case ErrorNumber::LinkInPath: return "Symbolic link in the path";
        default: return "Application-defined error";
    }
}

}  // namespace quorvex
