// SPDX-License-Identifier: GPL-3.0-or-later
#include "memoire.h"

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
// From the address sanitizer's runtime; GCC ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

size_t OctetsAlloues() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}
