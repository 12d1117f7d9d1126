// SPDX-License-Identifier: GPL-3.0-or-later
// Display set-up of a window and the result check through which every
// display-server call of the toolkit is reported.
#pragma once

#include <cstdint>

struct Fenetre;

// The display server's published result codes.
constexpr int32_t CodeDD(uint32_t n) {
    return static_cast<int32_t>(0x88760000u | n);
}
enum : int32_t {
    DD_OK = 0,
    DDERR_GENERIC = static_cast<int32_t>(0x80004005u),
    DDERR_OUTOFMEMORY = static_cast<int32_t>(0x8007000Eu),
    DDERR_UNSUPPORTED = static_cast<int32_t>(0x80004001u),
    DDERR_INVALIDPARAMS = static_cast<int32_t>(0x80070057u),
    DDERR_NOTINITIALIZED = static_cast<int32_t>(0x800401F0u),
    DDERR_INVALIDRECT = CodeDD(150),
    DDERR_NOEXCLUSIVEMODE = CodeDD(225),
    DDERR_SURFACELOST = CodeDD(450),
    DDERR_WASSTILLDRAWING = CodeDD(540),
    DDERR_EXCLUSIVEMODEALREADYSET = CodeDD(581),
    DDERR_CANTCREATEDC = CodeDD(585),
};

// Creates the display objects of a window whose platform window and size are
// set; 1 on success, 0 after reporting the failed step.
int InitialiseDirectDraw(Fenetre *fenetre);
// True for the success code; otherwise writes the code's name to the debugger output.
bool VerifieDD(int32_t code);
// The text VerifieDD writes for a code (null for success).
const char *TexteResultatDD(int32_t code, char *tampon, int taille);
