// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the title screen and its images, the first setup screen, the
// folder of the images, and the ways the program ends.
#include <sys/stat.h>
#include <unistd.h>
#include <climits>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "banc_partie.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/texte.h"
#include "jeu/presentation.h"
#include "temporaire.h"

using namespace banc_partie;

namespace {

// A fresh folder holding links to the build folder's images, all but one.
std::string DossierSans(const char *manquante) {
    const std::string dossier = DossierTemporaire("flipora-partie-");
    if (dossier.empty())
        return "";
    char ici[PATH_MAX];
    if (getcwd(ici, sizeof ici) == nullptr)
        return "";
    for (const char *fichier : FichiersDuJeu())
        if (manquante == nullptr || std::string(fichier) != manquante)
            if (symlink((std::string(ici) + "/" + fichier).c_str(), (dossier + "/" + fichier).c_str()) != 0)
                return "";
    return dossier;
}

bool Surligne(int slot) {
    Bouton *bouton = application.interface.controles[slot].bouton;
    Couleur face = bouton->couleurFond;
    return Valeur(face) == Valeur(jaune);
}

}  // namespace

TEST(Titre, DessineSesTextesDeuxFoisPuisChargeLesImages) {
    Garde garde;
    memset(static_cast<void *>(&application), 0, sizeof application);
    sommeil = [](int) {};
    OuvreJeu(&application);
    Fenetre *fenetre = application.fenetre;
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fenetre->largeur, 800);
    EXPECT_EQ(fenetre->hauteur, 600);
    EXPECT_NE(police_jeu, nullptr);
    // The prompt in white under black, the credit and the version in dark blue under white.
    EXPECT_GT(CompteCouleur(fenetre, 629, 540, 791, 581, noir), 0);
    EXPECT_GT(CompteCouleur(fenetre, 629, 540, 791, 581, blanc), 0);
    EXPECT_GT(CompteCouleur(fenetre, 0, 555, 295, 596, bleu_fonce), 0);
    EXPECT_GT(CompteCouleur(fenetre, 0, 555, 295, 596, blanc), 0);
    EXPECT_GT(CompteCouleur(fenetre, 330, 180, 530, 221, bleu_fonce), 0);
    EXPECT_GT(CompteCouleur(fenetre, 330, 180, 530, 221, blanc), 0);
    for (Pixmap *image : pixmaps_jeu)
        EXPECT_NE(image, nullptr);
    // A click made during the loading is waiting, and ends the title screen.
    Clique(10, 10);
    QuittePresentation(&application);
    EXPECT_EQ(fenetre->nbBoutons, 22);
    ArreteProgramme();
}

class Reglages : public Programme {};

TEST_F(Reglages, LePremierEcranMontreLesChoixDeDepart) {
    EXPECT_TRUE(Surligne(SLOT_HUMAIN_1));
    EXPECT_TRUE(Surligne(SLOT_HUMAIN_2));
    EXPECT_TRUE(Surligne(4));
    EXPECT_TRUE(Surligne(5));
    EXPECT_TRUE(Surligne(SLOT_TAILLE_8));
    for (int slot : std::vector<int>{2, 3, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21})
        EXPECT_FALSE(Surligne(slot)) << "slot " << slot;
    char *nom = CopieTexte(application.interface.controles[SLOT_NOM_2].texte);
    EXPECT_STREQ(nom, "Joueur 2");
    free(nom);
    EXPECT_EQ(partie().aide, 1);
    EXPECT_NE(partie().images[1][0], nullptr);
}

TEST_F(Reglages, LesChoixSurviventAuRetourEtLeTailleDuPlateauSuit) {
    Garde garde;
    ChoisitJoueur(1, 3);
    ChoisitJoueur(-1, 2);
    ChoisitJoueur(-1, 0);      // a later choice of the group replaces the earlier one
    CliqueEtTraite(120, 490);  // pawn set 8
    CliqueEtTraite(680, 425);  // pawn set 7
    ChoisitTaille(10);
    Lance();
    EXPECT_EQ(partie().taille, 10);
    EXPECT_EQ(partie().origine, 50);
    EXPECT_EQ(partie().images[0][0], pixmaps_jeu[8]);
    EXPECT_EQ(partie().images[2][0], pixmaps_jeu[7]);
    CliqueEtTraite(X_COMMANDES, Y_QUITTER_JEU);
    EXPECT_EQ(fenetre()->nbArdoises, 0);
    for (int slot : std::vector<int>{SLOT_HUMAIN_1, SLOT_NIVEAU3_2, 8, 7, SLOT_TAILLE_10})
        EXPECT_TRUE(Surligne(slot)) << "slot " << slot;
    for (int slot : std::vector<int>{SLOT_HUMAIN_2, SLOT_NIVEAU1_1, SLOT_NIVEAU2_1, SLOT_NIVEAU3_1, SLOT_NIVEAU1_2,
                                     SLOT_NIVEAU2_2, 4, 5, 6, 9, 10, 11, SLOT_TAILLE_6, SLOT_TAILLE_8, SLOT_TAILLE_12})
        EXPECT_FALSE(Surligne(slot)) << "slot " << slot;
}

TEST_F(Reglages, DeuxOrdinateursEteignentLAideEtUnHumainLaRallume) {
    Garde garde;
    ChoisitJoueur(-1, 1);
    ChoisitJoueur(1, 2);
    EXPECT_EQ(partie().aide, 0);
    ChoisitTaille(6);
    EXPECT_EQ(partie().aide, 0);
    ChoisitJoueur(1, 0);
    EXPECT_EQ(partie().aide, 1);
}

TEST_F(Reglages, QuitterTermineLeProgramme) {
    EXPECT_EXIT(
        {
            Clique(X_GAUCHE, Y_QUITTER_JOUER);
            AttendPartie(&application);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(Reglages, EchapTermineLeProgramme) {
    EXPECT_EXIT(
        {
            PfInjecteTouche(application.fenetre->hwnd, 0x1B);
            AttendPartie(&application);
        },
        ::testing::ExitedWithCode(0), "");
}

// Asked by the platform to quit, the program ends instead of starting a
// game over the setup screen.
TEST_F(Reglages, LaDemandeDeQuitterDeLaPlateformeTermineLeProgramme) {
    EXPECT_EXIT(
        {
            plateforme.PosteMessage(Message{nullptr, MSG_QUITTE, 0, 0});
            AttendPartie(&application);
            fprintf(stderr, "partie commencee\n");
            exit(9);
        },
        ::testing::ExitedWithCode(0), "");
}

// Where no display answers, SDL would fall back to a driver that shows
// nothing, and the game would wait for ever, unseen.
TEST(SansAffichage, LeJeuSArreteEnLeDisant) {
    EXPECT_EXIT(
        {
            unsetenv("SDL_VIDEODRIVER");
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            OuvreJeu(&application);
            exit(0);
        },
        ::testing::ExitedWithCode(4), "Aucun affichage trouve \\(ni DISPLAY ni WAYLAND_DISPLAY\\) : x11 not available");
}

TEST(Images, UneImageManquanteArreteLeProgrammeAvecSonNom) {
    std::string dossier = DossierSans("prop.bmp");
    ASSERT_FALSE(dossier.empty());
    EXPECT_EXIT(
        {
            if (chdir(dossier.c_str()) == 0)
                DemarreProgramme();
            exit(0);
        },
        ::testing::ExitedWithCode(4), "Peut pas charger pixmaps :prop\\.bmp");
}

// The carpet image breaks during a game (at its first flip, once the play
// screen is built; a button's pressed look pauses 5 ms): the end-of-game box
// cannot be built, and the game goes back to its setup screen instead of
// waiting on the box for ever.
std::string sansMoquette;
void CasseLaMoquette(int millisecondes) {
    if (millisecondes > 5 && !sansMoquette.empty() && chdir(sansMoquette.c_str()) == 0)
        sansMoquette.clear();
}

TEST_F(Reglages, UneBoiteDeFinImpossibleRendLaMainAuxReglages) {
    Garde garde;
    sansMoquette = DossierSans("moquette.bmp");
    char ici[PATH_MAX];
    ASSERT_TRUE(!sansMoquette.empty() && getcwd(ici, sizeof ici) != nullptr);
    ChoisitJoueur(-1, 1);
    ChoisitJoueur(1, 1);
    ChoisitTaille(6);
    sommeil = CasseLaMoquette;
    Lance();
    ASSERT_EQ(chdir(ici), 0);
    EXPECT_TRUE(sansMoquette.empty()) << "the game paused";
    EXPECT_TRUE(boites.empty());
    EXPECT_EQ(int{application.ecran.nbFenetres}, 1);
    EXPECT_EQ(fenetre()->nbBoutons, 22) << "the setup screen is back";
    EXPECT_EQ(evenement.enAttente, 0) << "nothing ends the main loop's next wait";
}

TEST(Images, LeDossierRetenuEstLePremierQuiLesAToutes) {
    std::string sansFleche = DossierSans("fleche.bmp"), sansTrame = DossierSans("t23.bmp"),
                complet = DossierSans(nullptr);
    ASSERT_FALSE(sansFleche.empty() || sansTrame.empty() || complet.empty());
    const char *const dossiers[] = {"/nulle/part", "", sansFleche.c_str(), sansTrame.c_str(), complet.c_str(), "."};
    EXPECT_STREQ(DossierImages(dossiers, 6), complet.c_str());
    EXPECT_EQ(DossierImages(dossiers, 4), nullptr) << "a folder without one pawn frame is not chosen";
}

// Finding the images leaves the working directory where it was, and they are
// read from the folder found wherever the working directory goes afterwards
// (a file chooser's folder stays the user's).
TEST(Images, SeLisentDuDossierTrouveSansQuOnYAille) {
    std::string complet = DossierSans(nullptr), vide = DossierTemporaire("flipora-vide-");
    ASSERT_FALSE(complet.empty() || vide.empty());
    EXPECT_EXIT(
        {
            std::vector<const char *> fichiers = FichiersDuJeu();
            const char *const ailleurs[] = {complet.c_str()};
            char ici[PATH_MAX];
            if (chdir(vide.c_str()) != 0 || getcwd(ici, sizeof ici) == nullptr)
                exit(1);
            const char *trouve = RetientDossierImages(fichiers.data(), int(fichiers.size()), ailleurs, 1);
            if (trouve == nullptr || complet != trouve || complet != DossierImagesEcran())
                exit(2);
            char apres[PATH_MAX];
            if (getcwd(apres, sizeof apres) == nullptr || strcmp(ici, apres) != 0)
                exit(3);
            DemarreProgramme();
            exit(pixmaps_jeu[PIXMAP_PROP] != nullptr ? 0 : 5);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Images, UnNomAbsoluNeSeCherchePasDansLeDossierTrouve) {
    std::string autre = DossierSans(nullptr);
    ASSERT_FALSE(autre.empty());
    EXPECT_EXIT(
        {
            RejointImages();
            if (DossierImagesEcran()[0] == '\0')
                exit(1);
            DemarreProgramme();
            Pixmap *image = nullptr;
            int largeur = 0;
            ChargePixmap((autre + "/aide.bmp").c_str(), &image, &largeur, nullptr, application.fenetre);
            exit(image != nullptr && largeur == 48 ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
}
