// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry point: every test program runs on SDL's dummy video driver, so
// windows exist and take injected input without a display, and on its dummy
// audio driver, so that no test makes a noise or needs a sound device.
#include <cstdlib>

#include <gtest/gtest.h>

#include "port/port_essai.h"

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps its configuration and caches for the life of the process.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
// The toolkit's records are byte-packed, so the pointers that keep widgets
// reachable sit at odd addresses; the leak scan must look there too.
// A refused allocation must come back as null, as it does without the sanitizer.
extern "C" const char *__asan_default_options() {
    return "allocator_may_return_null=1";
}
extern "C" const char *__lsan_default_options() {
    return "use_unaligned=1";
}
#endif

int main(int argc, char **argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    InstallePortEssai();
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests fork a program that may already hold platform state.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
