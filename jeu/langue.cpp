// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/langue.h"

#include <cstdlib>
#include <cstring>

namespace {

// An empty variable counts as unset, as the C library has it.
bool Defini(const char *valeur) {
    return valeur != nullptr && valeur[0] != '\0';
}

// The locale of messages: LC_ALL overrides LC_MESSAGES, which overrides LANG.
const char *LocaleMessages(EnvironnementLangue environnement) {
    const char *const ordre[] = {environnement.lc_all, environnement.lc_messages, environnement.lang};
    for (const char *valeur : ordre)
        if (Defini(valeur))
            return valeur;
    return "C";
}

// LANGUAGE is not heeded in the C locale, whose messages are fixed.
bool LocaleNeutre(const char *locale) {
    return strcmp(locale, "C") == 0 || strcmp(locale, "POSIX") == 0;
}

// "fr", "fr_CA", "fr_FR.UTF-8", "fr@euro"; not "frr_DE" (North Frisian).
bool CommenceParFrancais(const char *valeur, size_t longueur) {
    return longueur >= 2 && strncmp(valeur, "fr", 2) == 0 && (longueur == 2 || strchr("_.@", valeur[2]) != nullptr);
}

}  // namespace

EnvironnementLangue LitEnvironnementLangue() {
    return {getenv("LANGUAGE"), getenv("LC_ALL"), getenv("LC_MESSAGES"), getenv("LANG")};
}

bool LangueFrancaise(EnvironnementLangue environnement) {
    const char *locale = LocaleMessages(environnement);
    if (!LocaleNeutre(locale) && Defini(environnement.language)) {
        // The first language of the list that is named (empty entries are skipped).
        const char *entree = environnement.language + strspn(environnement.language, ":");
        if (*entree != '\0')
            return CommenceParFrancais(entree, strcspn(entree, ":"));
    }
    return CommenceParFrancais(locale, strlen(locale));
}

const char *ProgrammeDeLangue(EnvironnementLangue environnement) {
    return LangueFrancaise(environnement) ? "ok_fr" : "ok_en";
}
