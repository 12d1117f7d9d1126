// SPDX-License-Identifier: GPL-3.0-or-later
// Short sounds over the platform's audio output: loaded from WAV files in
// the image folder, played without ever holding the program up, and one
// switch for them all. Sound is no reason to stop a program: a file that
// cannot be had is left out with one diagnostic line, and without an audio
// device every sound is silent and nothing says so.
#pragma once

#include <cstdint>

#include "plateforme.h"

// What one sound file may weigh: eleven seconds of CD-quality mono, some
// forty times the longest sound the programs ship.
enum : int64_t { OCTETS_MAX_SON = int64_t{1} << 20 };

// A sound ready to play, kept until the program ends.
typedef SonPf Son;

// Loads a WAV file, a relative name read from the image folder as images
// are (CheminImage). Null, with one diagnostic line naming the file and
// saying why, when it is missing, not a regular file, over OCTETS_MAX_SON or
// not a WAV file the platform can decode. While sound is on, the first sound
// loaded opens the audio output.
Son *ChargeSon(const char *nom);
// Starts the sound and returns at once; nothing for a null sound or while sound is off.
void JoueSon(Son *son);
// Turns sound on (as a program starts) or off; off silences what is playing,
// on opens the audio output if a sound was loaded.
void ActiveSon(bool actif);
// Turns sound off when it is on, on when it is off.
void BasculeSon();
// True while sound is on.
bool SonActif();
