#pragma once

#include <gtest/gtest.h>

#include "RigMount.h"

namespace quorvex::test {

// Base of the tests that mount a rig: they skip, saying why, where FUSE cannot mount.
class RigTestCase : public ::testing::Test {
protected:
    void SetUp() override {
        if (!RigMount::available()) GTEST_SKIP() << RigMount::unavailableReason();
    }
};

}  // namespace quorvex::test
