#include "DriveList.h"

#include <chrono>
#include <thread>

#include <libburn/libburn.h>

#include "BurnLibraries.h"

namespace quorvex {

std::vector<BurnTarget> DriveList::opticalDrives() {
    std::vector<BurnTarget> drives;
    if (!BurnLibraries::start()) return drives;
    burn::burn_drive_info* found = nullptr;
    unsigned int count = 0;
    // The scan runs on libburn's own thread and says 0 until it has finished; a drive operation
    // started before then is refused as still going on.
    int scanned = 0;
    while ((scanned = burn::burn_drive_scan(&found, &count)) == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (scanned < 0) return drives;
    for (unsigned int i = 0; i < count; ++i) {
        char address[BURN_DRIVE_ADR_LEN] = {};
        if (burn::burn_drive_get_adr(&found[i], address) > 0) {
            const std::string name = std::string(found[i].vendor) + " " + found[i].product;
            drives.push_back(BurnTarget{address, name + " (" + address + ")", false, false, 0});
        }
        // A scanned drive stays locked against other programs until it is forgotten.
        burn::burn_drive_info_forget(&found[i], 0);
    }
    burn::burn_drive_info_free(found);
    return drives;
}

}  // namespace quorvex
