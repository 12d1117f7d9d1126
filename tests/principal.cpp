// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry point: every test program runs on SDL's dummy video driver, so
// windows exist and take injected input without a display, and on its dummy
// audio driver, so that no test makes a noise or needs a sound device.
#include <cstdlib>

#include <gtest/gtest.h>

#include "port/port_essai.h"

int main(int argc, char **argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    InstallePortEssai();
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests fork a program that may already hold platform state.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
