#pragma once

#include <stdexcept>
#include <string>

namespace quorvex {

// The run-time error numbers that the copy, the drive list and start-up act on.
namespace ErrorNumber {
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int InternalError = 51;
constexpr int BadFileNameOrNumber = 52;
constexpr int FileNotFound = 53;
constexpr int FileAlreadyOpen = 55;
constexpr int DiskFull = 61;
constexpr int BadRecordNumber = 63;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccessError = 75;
// A symbolic link stands where the destination's path goes on: nothing is made through it.
constexpr int LinkInPath = 77;
}  // namespace ErrorNumber

// A failure carrying its run-time error number, raised by the file layer and the loaders.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const std::string& detail);

    int number() const noexcept { return number_; }

private:
    int number_;
};

}  // namespace quorvex
