// SPDX-License-Identifier: GPL-3.0-or-later
// Text entries edited through the real wait calls: presses, keys and typed
// text are queued as the platform delivers them, then handled by a poll.
#include "ecran/widgets/texte.h"

#include <cstring>
#include <string>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/bouton.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

// The entry as its callback saw it, once per key.
struct Vue {
    std::string texte;
    int curseur;
};

class Textes : public Banc {
protected:
    std::vector<Vue> vues;
    Texte *texte = nullptr;

    static int Observe(void *donnee, int /*id*/) {
        Textes *banc = static_cast<Textes *>(donnee);
        banc->vues.push_back({banc->texte->texte, banc->texte->curseur});
        return 0;
    }

    // A 200 x 40 entry at (50, 50).
    void Cree(const char *contenu, int longueurMax = 20, int x2 = 249) {
        texte = CreeTexte(3, 50, 50, x2, 89, contenu, police, longueurMax, AlloueCouleur(0, 0, 0, fenetre), Observe,
                          this, fenetre);
    }

    void ExpectFinEdition() {
        EXPECT_EQ(texte->edition, 0);
        EXPECT_EQ(evenement.texteEnEdition, nullptr);
    }

    std::vector<int> Curseurs() {
        std::vector<int> c;
        for (const Vue &v : vues)
            c.push_back(v.curseur);
        return c;
    }

    int Largeur(const char *chaine) {
        int l = 0, h = 0;
        TailleTexte(chaine, police, &l, &h, fenetre);
        return l;
    }
};

TEST_F(Textes, TypingStopsAtTheMaximumLengthAndReturnEndsWithoutCallback) {
    Cree("", 3);
    Appuie(150, 70);
    Tape("abcd");
    Touche(VK_RETOUR);
    Traite();
    EXPECT_STREQ(texte->texte, "abc");
    EXPECT_EQ(vues.size(), 4u);  // the refused fourth character is still reported
    ExpectFinEdition();
}

TEST_F(Textes, KeysAtEitherEndChangeNothingButAreStillReported) {
    Cree("xy");
    Appuie(51, 70);  // left of the text: cursor at 0
    Touche(VK_EFFACE);
    Touche(VK_GAUCHE);
    Touche(VK_FIN);
    Touche(VK_DROITE);
    Touche(VK_SUPPRIME);
    Touche(VK_RETOUR);
    Traite();
    EXPECT_EQ(Curseurs(), (std::vector<int>{0, 0, 2, 2, 2}));
    for (const Vue &v : vues)
        EXPECT_EQ(v.texte, "xy");
    ExpectFinEdition();
}

TEST_F(Textes, KeysInsertDeleteAndMoveAroundTheCursor) {
    Cree("");
    Appuie(150, 70);
    Tape("abc");
    Touche(VK_GAUCHE);
    Touche(VK_EFFACE);  // removes the b
    Touche(VK_DEBUT);
    Touche(VK_SUPPRIME);  // removes the a
    Tape("X");
    Touche(VK_RETOUR);
    Traite();
    ASSERT_EQ(vues.size(), 8u);
    EXPECT_EQ(vues[4].texte, "ac");
    EXPECT_EQ(vues[4].curseur, 1);
    EXPECT_EQ(vues[6].texte, "c");
    EXPECT_STREQ(texte->texte, "Xc");
    EXPECT_EQ(texte->curseur, 1);
}

TEST_F(Textes, CharactersSharingTheNavigationKeysCodesAreTyped) {
    Cree("");
    Appuie(150, 70);
    Tape("#$%'.");
    Touche(VK_DEBUT);
    Touche(VK_SUPPRIME);
    Touche(VK_RETOUR);
    Traite();
    ASSERT_EQ(vues.size(), 7u);
    EXPECT_EQ(vues[4].texte, "#$%'.");
    EXPECT_EQ(vues[4].curseur, 5);
    EXPECT_STREQ(texte->texte, "$%'.");
}

TEST_F(Textes, APressPutsTheCursorInProportionToTheShownText) {
    Cree("abcdef");
    const int cas[][2] = {{52, 0}, {247, 6}, {153, 3}};
    for (const auto &c : cas) {
        Appuie(c[0], 70);
        Touche(VK_RETOUR);
        Traite();
        EXPECT_EQ(texte->curseur, c[1]) << "press at x = " << c[0];
    }
}

TEST_F(Textes, APressInsideTheEntryBeingEditedMovesTheCursorAndTheEditGoesOn) {
    Cree("abc");
    Appuie(52, 70);
    Appuie(247, 70);
    Tape("Z");
    Touche(VK_RETOUR);
    Traite();
    EXPECT_STREQ(texte->texte, "abcZ");
    ExpectFinEdition();
}

TEST_F(Textes, LongContentsScrollToKeepTheCursorInView) {
    const char *alphabet = "abcdefghijklmnopqrstuvwxyz";
    Cree(alphabet, 40, 129);
    ASSERT_GT(Largeur(alphabet), 79);
    Appuie(60, 70);
    Touche(VK_FIN);
    Touche(VK_RETOUR);
    Traite();
    // The start is out of view, and what is shown from there still fits.
    EXPECT_GT(texte->debut, 0);
    EXPECT_LE(Largeur(alphabet + texte->debut), 79 - 6);
    EXPECT_EQ(texte->curseur, 26);

    Appuie(60, 70);
    Touche(VK_DEBUT);
    Touche(VK_RETOUR);
    Traite();
    EXPECT_EQ(texte->debut, 0);
    EXPECT_EQ(texte->curseur, 0);
}

TEST_F(Textes, AFieldTooNarrowForTheCursorMarkKeepsTheFirstShownBeforeTheCursor) {
    Cree("abc", 20, 53);
    texte->edition = 1;
    texte->curseur = 1;
    TraceTexte(texte, fenetre);
    EXPECT_LE(texte->debut, texte->curseur);
}

int Compte(void *donnee, int) {
    ++*static_cast<int *>(donnee);
    return 1;
}

TEST_F(Textes, APressOutsideEndsTheEditAndReachesTheButtonsBelow) {
    Cree("");
    int appuis = 0;
    CreeBouton(1, 300, 200, 380, 240, nullptr, nullptr, nullptr, Gris(), Gris(), Compte, &appuis, fenetre);
    Appuie(150, 70);
    Tape("a");
    Appuie(340, 220);
    Tape("b");  // no entry is edited any more
    Traite();
    EXPECT_STREQ(texte->texte, "a");
    EXPECT_EQ(appuis, 1);
    ExpectFinEdition();
}

TEST_F(Textes, AnEventRaisedWhileEditingEndsTheProgramsWait) {
    Garde garde;
    Cree("");
    CreeBouton(
        1, 300, 200, 380, 240, nullptr, nullptr, nullptr, Gris(), Gris(),
        [](void *, int) { return static_cast<int>(CODE_EVENEMENT); }, nullptr, fenetre);
    Appuie(150, 70);
    Tape("a");
    Appuie(340, 220);
    AttendEvenement(ecran, fenetre);
    EXPECT_STREQ(texte->texte, "a");
    EXPECT_EQ(evenement.enAttente, 0);
    ExpectFinEdition();
}

TEST_F(Textes, DestroyingTheEntryBeingEditedEndsItsEdit) {
    Cree("");
    texte->edition = 1;
    evenement.texteEnEdition = texte;
    DetruitTexte(texte, fenetre);
    EXPECT_EQ(evenement.texteEnEdition, nullptr);
    EXPECT_EQ(fenetre->nbTextes, 0);
}

TEST_F(Textes, AScreenEmptiedFromACallbackDuringAnEditLeavesNothingPointingAtTheEntry) {
    Cree("");
    CreeArdoise(
        1, 260, 200, 390, 290, nullptr, Gris(),
        [](void *donnee, int, int, int, int, int) {
            VideFenetre(static_cast<Fenetre *>(donnee));
            return 1;
        },
        fenetre, fenetre);
    Appuie(150, 70);
    Tape("a");
    Bouge(300, 250, 0);
    Tape("b");
    Traite();
    EXPECT_EQ(evenement.texteEnEdition, nullptr);
    EXPECT_EQ(fenetre->textes, nullptr);
}

TEST_F(Textes, PlacedInAFrameTheEntryTakesTheFramesColourForItsBevel) {
    const Couleur rouge = AlloueCouleur(200, 0, 0, fenetre);
    Frame *frame = CreeFrame(0, 0, 199, 99, nullptr, rouge, fenetre);
    Texte *t = CreeTexteDansFrame(1, 'h', 25, 140, 35, "nom", police, 8, rouge, nullptr, nullptr, frame, fenetre);
    EXPECT_EQ(t->x1, 29);
    EXPECT_EQ(t->x2, 170);
    EXPECT_EQ(t->y1, 25);
    EXPECT_EQ(t->y2, 60);
    EXPECT_EQ(Pixel(t->x1 + 1, t->y1 + 10), Valeur(NuanceCouleur(rouge, 0.76f, fenetre)));
    char *copie = CopieTexte(t);
    EXPECT_STREQ(copie, "nom");
    free(copie);
}

}  // namespace
