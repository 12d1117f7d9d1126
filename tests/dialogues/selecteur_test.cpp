// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser: its directory reader on a real folder, and the dialog
// driven through its own window (and the message box it may show).
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ecran/dialogues/message.h"
#include "ecran/dialogues/selecteur.h"
#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/zonetexte.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

// What the scripted user does in each window the chooser opens, in turn.
std::vector<std::function<void(Fenetre *)>> etapes;
std::vector<Fenetre *> ouvertes;

void Construite(Fenetre *boite) {
    ouvertes.push_back(boite);
    if (ouvertes.size() > etapes.size()) {
        ADD_FAILURE() << "unexpected window " << ouvertes.size();
        PfInjecteFermeture(boite->hwnd);  // never leave a wait with nobody to answer it
        return;
    }
    etapes[ouvertes.size() - 1](boite);
}

void Clique(Fenetre *f, int x, int y) {
    PfInjecteSouris(f->hwnd, MSG_BOUTON_GAUCHE_BAS, x, y, PF_MK_GAUCHE);
    PfInjecteSouris(f->hwnd, MSG_BOUTON_GAUCHE_HAUT, x, y, 0);
}
void Annuler(Fenetre *f) {
    Clique(f, 100, 265);
}
void Ok(Fenetre *f) {
    Clique(f, 250, 265);
}

void EcritFichier(const std::string &chemin, const char *contenu) {
    FILE *f = fopen(chemin.c_str(), "w");
    ASSERT_NE(f, nullptr) << chemin;
    fputs(contenu, f);
    fclose(f);
}

std::string Lit(FILE *flux) {
    char ligne[64] = "";
    if (fgets(ligne, sizeof ligne, flux) == nullptr)
        return "";
    return ligne;
}

std::vector<std::string> Noms(char **noms, int nombre) {
    return std::vector<std::string>(noms, noms + nombre);
}

class Selecteurs : public Banc {
protected:
    std::string depart;  // the working directory to come back to
    int hauteur = 0;

    void SetUp() override {
        Banc::SetUp();
        etapes.clear();
        ouvertes.clear();
        boiteConstruite = Construite;
        char ici[PATH_MAX];
        ASSERT_NE(getcwd(ici, sizeof ici), nullptr);
        depart = ici;
        int largeur = 0;
        TailleTexte("PLHTWXQqpltg^/'_&", police, &largeur, &hauteur, fenetre);
        // The folder the chooser opens on: two files and a subdirectory, and
        // the toolkit's icons that its scroll bars load from the working directory.
        EcritFichier(dossier + "/b.txt", "beta");
        EcritFichier(dossier + "/a.txt", "alpha");
        ASSERT_EQ(mkdir((dossier + "/sous").c_str(), 0755), 0);
        EcritFichier(dossier + "/sous/c.txt", "gamma");
        ASSERT_EQ(symlink((depart + "/icones").c_str(), (dossier + "/icones").c_str()), 0);
    }
    void TearDown() override {
        boiteConstruite = nullptr;
        if (chdir(depart.c_str()) != 0)
            ADD_FAILURE() << "cannot go back to " << depart;
        Banc::TearDown();
    }

    FILE *Choisit(const char *mode) {
        if (chdir(dossier.c_str()) != 0)
            ADD_FAILURE() << "cannot enter " << dossier;
        FILE *flux = ChoisitFichier(Gris(), nullptr, Gris(), nullptr, AlloueCouleur(0, 0, 0, fenetre), "Fichier", mode,
                                    police, &ecran);
        EXPECT_EQ(ouvertes.size(), etapes.size());
        EXPECT_EQ(int{ecran.nbFenetres}, 1) << "a window is left behind";
        EXPECT_EQ(ecran.premiereFenetre, fenetre);
        return flux;
    }

    // Presses line i of the directory list (left) or of the file list (right).
    void Repertoire(Fenetre *f, int i) {
        Clique(f, 60, 90 + i * hauteur + hauteur / 2);
    }
    void Fichier(Fenetre *f, int i) {
        Clique(f, 220, 90 + i * hauteur + hauteur / 2);
    }
};

TEST_F(Selecteurs, TheReaderListsSubdirectoriesAfterTheParentAndFilesSortedByName) {
    ASSERT_EQ(mkdir((dossier + "/.cache").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((dossier + "/Zeta").c_str(), 0755), 0);
    EcritFichier(dossier + "/.profil", "");
    Selecteur s = {};
    EXPECT_EQ(LitRepertoire(dossier.c_str(), &s), 1);
    char vrai[PATH_MAX];
    ASSERT_NE(realpath(dossier.c_str(), vrai), nullptr);
    EXPECT_STREQ(s.chemin, vrai);
    EXPECT_EQ(Noms(s.repertoires, s.nbRepertoires), (std::vector<std::string>{"..", "Zeta", "icones", "sous"}));
    EXPECT_EQ(Noms(s.fichiers, s.nbFichiers), (std::vector<std::string>{".profil", "a.txt", "b.txt"}));

    // Entering the subdirectory and climbing back give full paths, not a trail of "..".
    EXPECT_EQ(LitRepertoire((dossier + "/sous").c_str(), &s), 1);
    EXPECT_EQ(Noms(s.fichiers, s.nbFichiers), (std::vector<std::string>{"c.txt"}));
    EXPECT_EQ(LitRepertoire((std::string(s.chemin) + "/..").c_str(), &s), 1);
    EXPECT_STREQ(s.chemin, vrai);
    LibereListesSelecteur(&s);
}

TEST_F(Selecteurs, AnUnreadableDirectoryListsOnlyTheWayBack) {
    Selecteur s = {};
    EXPECT_EQ(LitRepertoire(dossier.c_str(), &s), 1);
    EXPECT_EQ(LitRepertoire((dossier + "/absent").c_str(), &s), 0);
    ASSERT_EQ(s.nbRepertoires, 1);
    EXPECT_STREQ(s.repertoires[0], "..");
    EXPECT_EQ(s.nbFichiers, 0);
    EXPECT_EQ(LitRepertoire((dossier + "/a.txt").c_str(), &s), 0);  // a file, not a directory
    EXPECT_EQ(s.nbRepertoires, 1);
    EXPECT_EQ(s.nbFichiers, 0);
    LibereListesSelecteur(&s);
}

TEST_F(Selecteurs, AnnulerReturnsNothingAndLeavesNoWindow) {
    etapes = {Annuler};
    EXPECT_EQ(Choisit("r"), nullptr);
}

TEST_F(Selecteurs, ClosingTheWindowIsCancelling) {
    etapes = {[](Fenetre *f) { PfInjecteFermeture(f->hwnd); }};
    EXPECT_EQ(Choisit("r"), nullptr);
}

TEST_F(Selecteurs, OkOnAnEmptyNameShowsTheMissingFileBoxAndKeepsTheChooser) {
    Fenetre *selecteur = nullptr;
    etapes = {[&](Fenetre *f) {
                  selecteur = f;
                  Ok(f);
              },
              [&](Fenetre *boite) {
                  EXPECT_EQ(boite->largeur, 250);  // the message box, over the chooser
                  EXPECT_EQ(int{ecran.nbFenetres}, 3);
                  Clique(boite, 125, 120);  // "Continue"
                  Annuler(selecteur);       // then the chooser, still open, answers
              }};
    EXPECT_EQ(Choisit("r"), nullptr);
}

TEST_F(Selecteurs, APickedFileLineNamesThatFileInTheCurrentDirectory) {
    etapes = {[&](Fenetre *f) {
        Fichier(f, 1);
        Ok(f);
    }};
    FILE *flux = Choisit("r");
    ASSERT_NE(flux, nullptr);
    EXPECT_EQ(Lit(flux), "beta");
    fclose(flux);
}

TEST_F(Selecteurs, APickedDirectoryIsListedAndItsFilesCanBePicked) {
    etapes = {[&](Fenetre *f) {
        Repertoire(f, 2);  // "..", "icones", "sous"
        Fichier(f, 0);
        Ok(f);
    }};
    FILE *flux = Choisit("r");
    ASSERT_NE(flux, nullptr);
    EXPECT_EQ(Lit(flux), "gamma");
    fclose(flux);
}

TEST_F(Selecteurs, ARefusedNameLeavesTheUserToTryAgain) {
    Fenetre *selecteur = nullptr;
    etapes = {[&](Fenetre *f) {
                  selecteur = f;
                  Ok(f);
              },
              [&](Fenetre *boite) {
                  Clique(boite, 125, 120);
                  Fichier(selecteur, 0);
                  Ok(selecteur);
              }};
    FILE *flux = Choisit("r");
    ASSERT_NE(flux, nullptr);
    EXPECT_EQ(Lit(flux), "alpha");
    fclose(flux);
}

}  // namespace
