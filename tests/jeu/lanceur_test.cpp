// SPDX-License-Identifier: GPL-3.0-or-later
// The flipora command's choice of program: the language of messages as the C
// library reads it from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
#include <gtest/gtest.h>

#include "jeu/langue.h"

namespace {

struct Cas {
    EnvironnementLangue environnement;
    const char *programme;
};

TEST(Lanceur, ChoisitLaLangueCommeLesCataloguesDeMessages) {
    const Cas cas[] = {
        {{nullptr, nullptr, nullptr, "fr_FR.UTF-8"}, "ok_fr"},
        {{nullptr, nullptr, nullptr, "en_US.UTF-8"}, "ok_en"},
        {{nullptr, nullptr, nullptr, nullptr}, "ok_en"},
        {{nullptr, nullptr, nullptr, "fr"}, "ok_fr"},
        {{nullptr, nullptr, nullptr, "fr_CA@euro"}, "ok_fr"},
        // North Frisian is not French.
        {{nullptr, nullptr, nullptr, "frr_DE.UTF-8"}, "ok_en"},
        // LC_ALL overrides LC_MESSAGES, which overrides LANG; empty is unset.
        {{nullptr, "en_GB.UTF-8", "fr_FR.UTF-8", "fr_FR.UTF-8"}, "ok_en"},
        {{nullptr, nullptr, "fr_BE.UTF-8", "en_US.UTF-8"}, "ok_fr"},
        {{nullptr, "", "", "fr_FR.UTF-8"}, "ok_fr"},
        // LANGUAGE comes first, by its first named entry, unless the locale is C.
        {{"fr:en", nullptr, nullptr, "en_US.UTF-8"}, "ok_fr"},
        {{"en:fr", nullptr, nullptr, "fr_FR.UTF-8"}, "ok_en"},
        {{":fr_FR:en", "de_DE.UTF-8", nullptr, nullptr}, "ok_fr"},
        {{"", nullptr, nullptr, "fr_FR.UTF-8"}, "ok_fr"},
        {{":", nullptr, nullptr, "fr_FR.UTF-8"}, "ok_fr"},
        {{"fr", nullptr, nullptr, nullptr}, "ok_en"},
        {{"fr", "C", nullptr, "fr_FR.UTF-8"}, "ok_en"},
        {{"fr", nullptr, "POSIX", nullptr}, "ok_en"},
        {{"fr", nullptr, nullptr, "C.UTF-8"}, "ok_fr"},
    };
    for (const Cas &c : cas) {
        const EnvironnementLangue &e = c.environnement;
        EXPECT_STREQ(ProgrammeDeLangue(e), c.programme)
            << "LANGUAGE=" << (e.language ? e.language : "-") << " LC_ALL=" << (e.lc_all ? e.lc_all : "-")
            << " LC_MESSAGES=" << (e.lc_messages ? e.lc_messages : "-") << " LANG=" << (e.lang ? e.lang : "-");
    }
}

}  // namespace
