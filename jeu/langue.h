// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language as the C library's message catalogues read it from the
// environment, for the command that starts the program in that language.
#pragma once

// The variables that name the user's language; null when a variable is unset.
struct EnvironnementLangue {
    const char *language;     // LANGUAGE: a list of languages, colon-separated
    const char *lc_all;       // LC_ALL
    const char *lc_messages;  // LC_MESSAGES
    const char *lang;         // LANG
};

// The four variables of this process's environment.
EnvironnementLangue LitEnvironnementLangue();
// Whether the language of messages the environment asks for is French.
bool LangueFrancaise(EnvironnementLangue environnement);
// The program to start for that language: "ok_fr" or "ok_en".
const char *ProgrammeDeLangue(EnvironnementLangue environnement);
