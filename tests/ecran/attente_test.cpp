// SPDX-License-Identifier: GPL-3.0-or-later
// The wait calls and the window procedure, driven by injected platform input.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "banc.h"
#include "directdraw/procedure.h"
#include "widgets/texte.h"

namespace {

class Attente : public ::testing::Test {
protected:
    void TearDown() override {
        FermeFenetres();
    }
    Ecran &ecran = EcranDeTest();
};

TEST_F(Attente, UnClicQueRienNePrendNeTermineQueLeTestDeClic) {
    Fenetre *a = NouvelleFenetre();
    Fenetre *b = NouvelleFenetre();
    // The click reaches the window but raises nothing; closing it (one of
    // two) is what ends the wait.
    PfInjecteSouris(a->hwnd, MSG_BOUTON_GAUCHE_BAS, 12, 34, PF_MK_GAUCHE);
    PfInjecteFermeture(a->hwnd);
    AttendEvenement(ecran, a);
    EXPECT_EQ(evenement.xClic, 12);
    EXPECT_EQ(evenement.yClic, 34);
    EXPECT_FALSE(plateforme.MessageEnAttente());
    PfInjecteSouris(b->hwnd, MSG_BOUTON_GAUCHE_BAS, 56, 78, PF_MK_GAUCHE);
    int x = -1, y = -1;
    EXPECT_EQ(AttendClic(ecran, b, &x, &y), 1);
    EXPECT_EQ(x, 56);
    EXPECT_EQ(y, 78);
}

TEST_F(Attente, TesteClicSurUneFileVideRendZeroEtLeDernierClic) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    evenement.xClic = 7;
    evenement.yClic = 9;
    int x = 0, y = 0;
    EXPECT_EQ(TesteClic(ecran, a, &x, &y), 0);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 9);
    EXPECT_EQ(evenement.modeTesteClic, 0);
    EXPECT_EQ(TesteClic(ecran, a, nullptr, nullptr), 0);
}

TEST_F(Attente, LeMessageDeFinRendZeroOuUn) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    plateforme.PosteMessage(Message{a->hwnd, MSG_QUITTE, 0, 0});
    EXPECT_EQ(AttendEvenement(ecran, a), 0);
    plateforme.PosteMessage(Message{a->hwnd, MSG_QUITTE, 0, 0});
    int x = -5;
    EXPECT_EQ(TesteClic(ecran, a, &x, nullptr), 1);
    EXPECT_EQ(x, -5);  // the quit message leaves the outs alone
}

TEST_F(Attente, TesteToucheCaptureToucheEtCaractere) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    int touche = 0;
    EXPECT_EQ(TesteTouche(ecran, a, &touche), 0);
    EXPECT_EQ(touche, -1);
    PfInjecteTouche(a->hwnd, 'Q');
    EXPECT_EQ(TesteTouche(ecran, a, &touche), 1);
    EXPECT_EQ(touche, 'Q');
    PfInjecteTexte(a->hwnd, "\xC3\xA9");  // UTF-8, as the platform types it
    EXPECT_EQ(TesteTouche(ecran, a, &touche), 1);
    EXPECT_EQ(touche, 0xE9);  // typed text arrives in Windows-1252
    PfInjecteTouche(a->hwnd, 0x0D);
    EXPECT_EQ(TesteTouche(ecran, a, &touche), 1);
    EXPECT_EQ(touche, 0x0D);  // the key press
    EXPECT_EQ(TesteTouche(ecran, a, &touche), 1);
    EXPECT_EQ(touche, 13);  // and the character it is translated into
    EXPECT_EQ(evenement.modeTesteTouche, 0);
}

// Punctuation (comma), Caps Lock, keypad 5 with Num Lock, F13, Menu, the 102nd key.
TEST_F(Attente, ToutesLesTouchesOntLeurCodeVirtuel) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    for (int code : {0xBC, 0x14, 0x65, 0x7C, 0x5D, 0xE2, 0x37}) {
        PfInjecteTouche(a->hwnd, code);
        int touche = 0;
        EXPECT_EQ(TesteTouche(ecran, a, &touche), 1) << std::hex << code;
        EXPECT_EQ(touche, code);
    }
}

// Cyrillic's letter at A's place, AZERTY's A (at Q's place) and its comma (at M's).
TEST_F(Attente, LesLettresDesAutresDispositionsOntLeurCodeVirtuel) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    const struct {
        char place;
        uint32_t symbole;
        int code;
    } cas[] = {{'A', 0x444, 'A'}, {'Q', 'a', 'A'}, {'M', ',', 0xBC}};
    for (const auto &c : cas) {
        PfInjecteToucheDisposee(a->hwnd, c.place, c.symbole);
        int touche = 0;
        EXPECT_EQ(TesteTouche(ecran, a, &touche), 1) << c.place;
        EXPECT_EQ(touche, c.code) << c.place;
    }
}

TEST_F(Attente, UnCaractereHorsDuJeuDeCaracteresEstAbandonne) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    PfInjecteTexte(a->hwnd, "\xe2\x82\xac\xe4\xb8\xad");  // the euro sign is in it, a CJK character is not
    int touche;
    EXPECT_EQ(TesteTouche(ecran, a, &touche), 1);
    EXPECT_EQ(touche, 0x80);
    EXPECT_EQ(TesteTouche(ecran, a, &touche), 0);
}

TEST_F(Attente, FermerUneFenetreParmiDeuxLeveUnEvenement) {
    Fenetre *a = NouvelleFenetre();
    Fenetre *b = NouvelleFenetre();
    VideFile();
    PfInjecteFermeture(b->hwnd);
    int x;
    EXPECT_EQ(TesteClic(ecran, b, &x, nullptr), 1);
    EXPECT_EQ(int{ecran.nbFenetres}, 1) << "the window is gone from the count";
    EXPECT_FALSE(FenetreVivante(b));
    EXPECT_EQ(ecran.premiereFenetre, a);
    EXPECT_EQ(AttendEvenement(ecran, b), 0) << "a wait on a lost window ends at once";
    DetruitFenetre(b, &ecran);
    EXPECT_EQ(int{ecran.nbFenetres}, 1) << "its owner's destroy counts it once";
    // The second window closed the same way was the last one.
    EXPECT_EXIT(
        {
            PfInjecteFermeture(a->hwnd);
            AttendEvenement(ecran, nullptr);
            exit(9);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(Attente, LaSaisieRendLesAutresFenetresSourdes) {
    Fenetre *a = NouvelleFenetre();
    Fenetre *b = NouvelleFenetre();
    VideFile();
    evenement.xClic = 0;
    PfInjecteSouris(a->hwnd, MSG_BOUTON_GAUCHE_BAS, 40, 41, PF_MK_GAUCHE);
    PfInjecteFermeture(a->hwnd);
    PfInjecteTouche(a->hwnd, 0x1B);
    int x;
    EXPECT_EQ(TesteClic(ecran, b, &x, nullptr), 0);
    EXPECT_EQ(evenement.xClic, 0);
    // The close request was ignored, not obeyed: a still answers its own wait.
    PfInjecteSouris(a->hwnd, MSG_BOUTON_GAUCHE_BAS, 40, 41, PF_MK_GAUCHE);
    EXPECT_EQ(TesteClic(ecran, a, &x, nullptr), 1);
    EXPECT_EQ(x, 40);
}

TEST_F(Attente, EchapFermeUneFenetreParmiDeux) {
    Fenetre *a = NouvelleFenetre();
    NouvelleFenetre();
    VideFile();
    PfInjecteTouche(a->hwnd, 0x1B);
    AttendEvenement(ecran, a);
    RectanglePf zone;
    EXPECT_FALSE(plateforme.ZoneClient(a->hwnd, &zone));  // its platform window is gone
}

TEST_F(Attente, UnDeplacementMetAJourLaZoneAEcran) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    PfInjecteDeplacement(a->hwnd, 120, 90);
    TesteClic(ecran, a, nullptr, nullptr);
    Zone z = a->zoneEcran;
    EXPECT_EQ(z.gauche, 120);
    EXPECT_EQ(z.haut, 90);
    EXPECT_EQ(z.droite - z.gauche, 200);
}

TEST_F(Attente, UnePeintureRecopieToutLArrierePlan) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    Journal journal;
    PfInjecteExposition(a->hwnd);
    TesteClic(ecran, a, nullptr, nullptr);
    EXPECT_EQ(journal.tout(), "paint\n");
}

TEST_F(Attente, UnChangementDAffichageRestaureLesSurfaces) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    Journal journal;
    plateforme.PosteMessage(Message{a->hwnd, MSG_CHANGEMENT_AFFICHAGE, 0, 1024 | (768u << 16)});
    TesteClic(ecran, a, nullptr, nullptr);
    EXPECT_EQ(journal.tout(), "Changement\nRestore All Surface\n");
}

// Whatever a display change did to the screen, the window shows its picture again.
TEST_F(Attente, UnChangementDAffichageRepeintLesFenetres) {
    Fenetre *a = NouvelleFenetre();
    Rafraichit(0, 0, 200, 150, a);
    VideFile();
    AccesPixels ecranVu;
    ASSERT_EQ(plateforme.Accede(a->surfacePrimaire, &ecranVu), DD_OK);
    ecranVu.pixels[10 * ecranVu.pas + 10] = 0x123456;
    plateforme.Relache(a->surfacePrimaire);
    Journal journal;
    PfInjecteChangementAffichage();
    TesteClic(ecran, a, nullptr, nullptr);
    EXPECT_EQ(PixelEcran(a, 10, 10), 0x0A141Eu);
    EXPECT_EQ(journal.tout(), "Changement\nRestore All Surface\n");
}

TEST_F(Attente, ApresUnEvenementPendantLEditionLAttenteSuivanteRendApresUnMessage) {
    Fenetre *a = NouvelleFenetre();
    Fenetre *b = NouvelleFenetre();
    VideFile();
    Texte *texte = static_cast<Texte *>(calloc(1, sizeof(Texte)));
    texte->edition = 1;
    PfInjecteFermeture(a->hwnd);
    EXPECT_EQ(EditeTexte(texte, a, ecran), 157);
    EXPECT_EQ(evenement.texteEnEdition, nullptr);
    EXPECT_EQ(evenement.enAttente, 157);
    PfInjecteExposition(b->hwnd);
    AttendEvenement(ecran, b);  // returns after that one message
    EXPECT_EQ(evenement.enAttente, 0);
    free(texte);
}

TEST_F(Attente, LEditionFinitQuandLeDrapeauRetombe) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    Texte *texte = static_cast<Texte *>(calloc(1, sizeof(Texte)));
    EXPECT_EQ(EditeTexte(texte, a, ecran), 1);
    free(texte);
}

// One typed "abc" arriving while AttendClic blocks becomes three messages;
// they must reach the entry being edited in their order, before the press.
TEST_F(Attente, AttendClicGardeLOrdreDesMessages) {
    Fenetre *a = NouvelleFenetre();
    Police police = OuvrePolice("lucidasans-18", 20, a);
    Texte *texte = CreeTexte(1, 10, 10, 150, 40, "", police, 20, AlloueCouleur(0, 0, 0, a), nullptr, nullptr, a);
    VideFile();
    texte->edition = 1;
    evenement.texteEnEdition = texte;
    std::thread saisie([a] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        PfInjecteTexte(a->hwnd, "abc");
        PfInjecteSouris(a->hwnd, MSG_BOUTON_GAUCHE_BAS, 190, 140, PF_MK_GAUCHE);
    });
    int x = 0;
    EXPECT_EQ(AttendClic(ecran, a, &x, nullptr), 1);
    saisie.join();
    EXPECT_EQ(x, 190);
    EXPECT_STREQ(texte->texte, "abc");
    FermePolice(police, a);
}

TEST(AttenteFatale, SansFenetreLAttenteTermineLeProgramme) {
    Ecran vide = EcranDeTest();
    vide.nbFenetres = 0;
    EXPECT_EXIT(AttendEvenement(vide, nullptr), ::testing::ExitedWithCode(2), "Aucune fenetre cree!");
    EXPECT_EXIT(TesteClic(vide, nullptr, nullptr, nullptr), ::testing::ExitedWithCode(2), "Aucune fenetre cree!");
    EXPECT_EXIT(TesteTouche(vide, nullptr, nullptr), ::testing::ExitedWithCode(2), "Aucune fenetre cree!");
}

TEST(AttenteFatale, EditerUnTexteNulTermineLeProgramme) {
    Fenetre *a = NouvelleFenetre();
    EXPECT_EXIT(EditeTexte(nullptr, a, EcranDeTest()), ::testing::ExitedWithCode(3), "Gestion d'une btexte NULL!");
    FermeFenetres();
}

TEST(AttenteFatale, FermerLaDerniereFenetreTermineLeProgrammeSansErreur) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    EXPECT_EXIT(
        {
            PfInjecteFermeture(a->hwnd);
            AttendEvenement(EcranDeTest(), a);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            PfInjecteTouche(a->hwnd, 0x1B);
            AttendEvenement(EcranDeTest(), a);
        },
        ::testing::ExitedWithCode(0), "");
    FermeFenetres();
}

TEST(AttenteFatale, PerdreLaDerniereFenetreSurUnEchecNEstPasUnSucces) {
    Fenetre *a = NouvelleFenetre();
    VideFile();
    EXPECT_EXIT(
        {
            Pixmap *p;
            ChargePixmap("absente.bmp", &p, nullptr, nullptr, a);
        },
        ::testing::ExitedWithCode(4), "Peut pas charger pixmaps :absente.bmp.");
    FermeFenetres();
}

TEST(AttenteFatale, FermeToutTermineAvecZero) {
    NouvelleFenetre();
    NouvelleFenetre();
    EXPECT_EXIT(FermeTout(&EcranDeTest()), ::testing::ExitedWithCode(0), "");
    FermeFenetres();
}

TEST(Fenetres, DetruireLaTeteLeMilieuOuLaQueueGardeLaListeCoherente) {
    Ecran &ecran = EcranDeTest();
    for (int cas = 0; cas < 3; cas++) {
        Fenetre *f[3];
        for (Fenetre *&n : f)
            n = NouvelleFenetre(20, 20);
        Fenetre *cible = f[2 - cas];  // head, middle, oldest
        DetruitFenetre(cible, &ecran);
        EXPECT_EQ(int{ecran.nbFenetres}, 2);
        int n = 0;
        Fenetre *avant = nullptr;
        for (Fenetre *w = ecran.premiereFenetre; w; avant = w, w = w->suivante, n++) {
            EXPECT_NE(w, cible);
            EXPECT_EQ(w->precedente, avant);
        }
        EXPECT_EQ(n, 2);
        FermeFenetres();
        EXPECT_EQ(int{ecran.nbFenetres}, 0);
        EXPECT_EQ(ecran.premiereFenetre, nullptr);
    }
}

TEST(Fenetres, UnEchecDeCreationNeLaissePasDeFenetre) {
    Ecran &ecran = EcranDeTest();
    PfPanneSuivante(PF_OP_FENETRE, 1);
    EXPECT_EQ(NouvelleFenetre(), nullptr);
    EXPECT_EQ(ecran.premiereFenetre, nullptr);
    EXPECT_EQ(int{ecran.nbFenetres}, 0);
}

TEST(Divers, PaireEtCodesDeBoutons) {
    EXPECT_EQ(Paire(3, -1), 0xFFFFFFFF00000003ull);
    EXPECT_EQ(Paire(-2, 5) & 0xFFFFFFFF, 0xFFFFFFFEull);
    EXPECT_EQ(CodeBoutons(PF_MK_GAUCHE), 1);
    EXPECT_EQ(CodeBoutons(PF_MK_MILIEU), 2);
    EXPECT_EQ(CodeBoutons(PF_MK_DROIT), 3);
    EXPECT_EQ(CodeBoutons(PF_MK_GAUCHE | PF_MK_MAJ), 0);
    EXPECT_EQ(CodeBoutons(PF_MK_GAUCHE | PF_MK_DROIT), 0);
    EXPECT_EQ(CodeBoutons(0), 0);
}

}  // namespace
