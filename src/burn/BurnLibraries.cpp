#include "BurnLibraries.h"

#include <cstdint>
#include <mutex>

#include <libburn/libburn.h>
#include <libisofs/libisofs.h>

namespace quorvex {

namespace {

bool startOnce() {
    if (iso_init() < 0) return false;
    if (burn::burn_initialize() == 0) return false;
    // Messages are queued for the program to read; nothing is printed to the terminal.
    char queue[] = "SORRY";
    char print[] = "NEVER";
    char prefix[] = "quorvex: ";
    burn::burn_msgs_set_severities(queue, print, prefix);
    iso_set_msgs_severities(queue, print, prefix);
    return true;
}

std::string takeBurnMessage() {
    char minimum[] = "SORRY";
    int errorCode = 0;
    int osErrno = 0;
    char text[4096] = {};
    char severity[80] = {};
    std::string last;
    while (burn::burn_msgs_obtain(minimum, &errorCode, text, &osErrno, severity) > 0) last = text;
    return last;
}

std::string takeIsoMessage() {
    char minimum[] = "SORRY";
    int errorCode = 0;
    int imageId = 0;
    char text[4096] = {};
    char severity[80] = {};
    std::string last;
    while (iso_obtain_msgs(minimum, &errorCode, &imageId, text, severity) > 0) last = text;
    return last;
}

}  // namespace

bool BurnLibraries::start() {
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] { started = startOnce(); });
    return started;
}

std::string BurnLibraries::lastMessage() {
    const std::string fromBurn = takeBurnMessage();
    const std::string fromIso = takeIsoMessage();
    return fromBurn.empty() ? fromIso : fromBurn;
}

}  // namespace quorvex
