#include "DriveList.h"

#include <libburn/libburn.h>

#include "BurnLibraries.h"

namespace quorvex {

std::vector<BurnTarget> DriveList::opticalDrives() {
    std::vector<BurnTarget> drives;
    if (!BurnLibraries::start()) return drives;
    burn::burn_drive_info* found = nullptr;
    unsigned int count = 0;
    if (burn::burn_drive_scan(&found, &count) <= 0) return drives;
    for (unsigned int i = 0; i < count; ++i) {
        char address[BURN_DRIVE_ADR_LEN] = {};
        if (burn::burn_drive_get_adr(&found[i], address) <= 0) continue;
        const std::string name = std::string(found[i].vendor) + " " + found[i].product;
        drives.push_back(BurnTarget{address, name + " (" + address + ")", false, false, 0});
    }
    burn::burn_drive_info_free(found);
    return drives;
}

}  // namespace quorvex
