#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// The read block size of a drive: 1024 for fixed and network drives, 2048 for an iso9660 CD,
// 512 for other CDs (udf among them) and other drives, and 0 for an audio CD.
class BlockSizeRule {
public:
    static std::int32_t GetBlockSize(std::int16_t DeviceType, const std::string& DeviceName,
                                     const std::string& DeviceFileSystem);
};

}  // namespace quorvex
