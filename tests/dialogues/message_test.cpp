// SPDX-License-Identifier: GPL-3.0-or-later
// The message box and the yes/no box, answered by a scripted user who
// clicks as soon as each box is built, and the checked opening of files.
#include "ecran/dialogues/message.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "ecran/widgets/bouton.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

// What the scripted user does in each box it sees, and what it saw there.
struct Utilisateur {
    enum Geste { CONTINUE, OUI, NON, FERME };
    std::vector<Geste> gestes;
    std::vector<int> boutonsVus;
    std::vector<std::string> legendes;
    int fenetresVues = 0;
};
Utilisateur utilisateur;

void Repond(Fenetre *boite) {
    Utilisateur &u = utilisateur;
    ASSERT_LT(u.boutonsVus.size(), u.gestes.size()) << "a box nobody expected";
    const Utilisateur::Geste geste = u.gestes[u.boutonsVus.size()];
    u.boutonsVus.push_back(int{boite->nbBoutons});  // a copy: the record is packed
    u.fenetresVues = boite->ecran->nbFenetres;
    for (Bouton *b = boite->boutons; b != nullptr; b = b->suivant)
        u.legendes.push_back(b->texte);
    const int x = geste == Utilisateur::CONTINUE ? 125 : geste == Utilisateur::OUI ? 188 : 62;
    if (geste == Utilisateur::FERME) {
        PfInjecteFermeture(boite->hwnd);
    } else {
        PfInjecteSouris(boite->hwnd, MSG_BOUTON_GAUCHE_BAS, x, 120, PF_MK_GAUCHE);
    }
}

class Boites : public Banc {
protected:
    Garde garde;
    void SetUp() override {
        Banc::SetUp();
        utilisateur = Utilisateur();
        boiteConstruite = Repond;
    }
    void TearDown() override {
        boiteConstruite = nullptr;
        Banc::TearDown();
    }

    void Message(const char *texte) {
        AfficheMessage(Gris(), nullptr, Gris(), nullptr, AlloueCouleur(0, 0, 0, fenetre), texte, police, &ecran);
    }
    int Question() {
        return DemandeConfirmation(Gris(), nullptr, Gris(), nullptr, AlloueCouleur(0, 0, 0, fenetre), "Sur?", police,
                                   &ecran);
    }
    FILE *Ouvre(const std::string &nom, const char *mode) {
        return OuvreFichierVerifie(Gris(), nullptr, Gris(), nullptr, AlloueCouleur(0, 0, 0, fenetre), nom.c_str(), mode,
                                   police, &ecran);
    }
    std::string Contenu(const std::string &nom) {
        std::ifstream f(nom);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    void Ecrit(const std::string &nom, const char *contenu) {
        std::ofstream(nom) << contenu;
    }
};

TEST_F(Boites, TheMessageBoxIsAWindowOfItsOwnEndedByContinue) {
    utilisateur.gestes = {Utilisateur::CONTINUE};
    Message("Partie nulle");
    EXPECT_EQ(utilisateur.boutonsVus, std::vector<int>{1});
    EXPECT_EQ(utilisateur.legendes, std::vector<std::string>{"Continue"});
    EXPECT_EQ(utilisateur.fenetresVues, 2);
    EXPECT_EQ(int{ecran.nbFenetres}, 1);
    EXPECT_EQ(ecran.premiereFenetre, fenetre);
}

TEST_F(Boites, TheYesNoBoxAnswersWithTheButtonPressed) {
    utilisateur.gestes = {Utilisateur::OUI, Utilisateur::NON};
    EXPECT_EQ(Question(), 1);
    EXPECT_EQ(Question(), 0);
    EXPECT_EQ(utilisateur.legendes, (std::vector<std::string>{"Oui", "Non", "Oui", "Non"}));
    EXPECT_EQ(int{ecran.nbFenetres}, 1);
}

TEST_F(Boites, AYesNoBoxClosedThroughThePlatformAnswersNo) {
    utilisateur.gestes = {Utilisateur::FERME};
    EXPECT_EQ(Question(), 0);
    EXPECT_EQ(int{ecran.nbFenetres}, 1);
}

// Opened from a button of a window whose wait holds the grab, as the gallery's
// boxes are: the box's image fails while it is built, and its window goes.
TEST_F(Boites, ABoxThatLosesItsWindowWhileBuiltEndsAtOnce) {
    boiteConstruite = nullptr;
    evenement.fenetreCapturee = fenetre;
    Couleur noir = AlloueCouleur(0, 0, 0, fenetre);
    AfficheMessage(Gris(), "absente.bmp", Gris(), nullptr, noir, "Perdu", police, &ecran);
    EXPECT_EQ(DemandeConfirmation(Gris(), "absente.bmp", Gris(), nullptr, noir, "Sur?", police, &ecran), 0);
    EXPECT_EQ(int{ecran.nbFenetres}, 1);
    EXPECT_EQ(ecran.premiereFenetre, fenetre);
    EXPECT_EQ(evenement.enAttente, 0) << "the caller's wait goes on";
    Appuie(10, 10);
    int x = 0;
    EXPECT_EQ(TesteClic(ecran, fenetre, &x, nullptr), 1) << "the caller's window still hears";
    EXPECT_EQ(x, 10);
}

TEST_F(Boites, ReadingAMissingFileSaysSoAndOpensNothing) {
    utilisateur.gestes = {Utilisateur::CONTINUE};
    EXPECT_EQ(Ouvre(dossier + "/absent.txt", "r"), nullptr);
    EXPECT_EQ(utilisateur.boutonsVus, std::vector<int>{1});
}

// A directory opens for reading on this system, and a FIFO would block.
TEST_F(Boites, WhatIsNotARegularFileIsRefusedWithTheBox) {
    const std::string fifo = dossier + "/tube";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    utilisateur.gestes = {Utilisateur::CONTINUE, Utilisateur::CONTINUE, Utilisateur::CONTINUE};
    EXPECT_EQ(Ouvre(dossier, "r"), nullptr);
    EXPECT_EQ(Ouvre(fifo, "r"), nullptr);
    EXPECT_EQ(Ouvre(fifo, "w"), nullptr);
    EXPECT_EQ(utilisateur.boutonsVus, (std::vector<int>{1, 1, 1})) << "one box each, no question";
}

// A device is no directory, FIFO or socket: it opens as any existing file does.
TEST_F(Boites, DevNullOpensLikeAnExistingFile) {
    struct stat etat;
    if (stat("/dev/null", &etat) != 0 || !S_ISCHR(etat.st_mode))
        GTEST_SKIP() << "no /dev/null device here";
    FILE *f = Ouvre("/dev/null", "r");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(fgetc(f), EOF);
    fclose(f);
    EXPECT_TRUE(utilisateur.boutonsVus.empty());
    utilisateur.gestes = {Utilisateur::OUI};
    f = Ouvre("/dev/null", "w");
    ASSERT_NE(f, nullptr);
    EXPECT_GE(fputs("rien", f), 0);
    fclose(f);
    EXPECT_EQ(utilisateur.boutonsVus, std::vector<int>{2}) << "the question any existing file gets";
}

// A readable regular file that nobody may write, root included.
TEST_F(Boites, AFailedReopenInTheModeAskedIsReported) {
    const char *nom = "/sys/kernel/notes";
    if (access(nom, R_OK) != 0)
        GTEST_SKIP() << "no " << nom << " here";
    utilisateur.gestes = {Utilisateur::CONTINUE};
    EXPECT_EQ(Ouvre(nom, "r+"), nullptr);
    EXPECT_EQ(utilisateur.boutonsVus, std::vector<int>{1});
}

TEST_F(Boites, ReadingAnExistingFileAsksNothing) {
    const std::string nom = dossier + "/present.txt";
    Ecrit(nom, "abc");
    FILE *f = Ouvre(nom, "r");
    ASSERT_NE(f, nullptr);
    char lu[4] = {};
    EXPECT_EQ(fread(lu, 1, 3, f), 3u);
    EXPECT_STREQ(lu, "abc");
    fclose(f);
    EXPECT_TRUE(utilisateur.boutonsVus.empty());
}

TEST_F(Boites, WritingOverAnExistingFileNeedsAYes) {
    const std::string nom = dossier + "/present.txt";
    Ecrit(nom, "garde");
    utilisateur.gestes = {Utilisateur::NON, Utilisateur::OUI};
    EXPECT_EQ(Ouvre(nom, "w"), nullptr);
    EXPECT_EQ(Contenu(nom), "garde");
    FILE *f = Ouvre(nom, "w");
    ASSERT_NE(f, nullptr);
    fputs("neuf", f);
    fclose(f);
    EXPECT_EQ(Contenu(nom), "neuf");
    EXPECT_EQ(utilisateur.boutonsVus, (std::vector<int>{2, 2}));
}

TEST_F(Boites, WritingANewFileAsksNothingAndCreatesIt) {
    const std::string nom = dossier + "/nouveau.txt";
    FILE *f = Ouvre(nom, "w");
    ASSERT_NE(f, nullptr);
    fclose(f);
    struct stat etat;
    EXPECT_EQ(stat(nom.c_str(), &etat), 0);
    EXPECT_TRUE(utilisateur.boutonsVus.empty());
}

TEST_F(Boites, AFileThatCannotBeWrittenIsReported) {
    utilisateur.gestes = {Utilisateur::CONTINUE};
    EXPECT_EQ(Ouvre(dossier + "/absent/fichier.txt", "w"), nullptr);
    EXPECT_EQ(utilisateur.boutonsVus, std::vector<int>{1});
}

TEST_F(Boites, AnUnreadableExistingFileIsStillNotOverwrittenWithoutAYes) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const std::string nom = dossier + "/protege.txt";
    Ecrit(nom, "garde");
    chmod(nom.c_str(), 0200);
    utilisateur.gestes = {Utilisateur::NON};
    EXPECT_EQ(Ouvre(nom, "w"), nullptr);
    chmod(nom.c_str(), 0600);
    EXPECT_EQ(Contenu(nom), "garde");
}

TEST_F(Boites, OtherModesGiveTheStreamAskedFor) {
    const std::string nom = dossier + "/journal.txt";
    Ecrit(nom, "un");
    FILE *f = Ouvre(nom, "a");
    ASSERT_NE(f, nullptr);
    EXPECT_GE(fputs(" deux", f), 0);
    fclose(f);
    f = Ouvre(nom, "r+");
    ASSERT_NE(f, nullptr);
    EXPECT_GE(fputs("UN", f), 0);
    fclose(f);
    EXPECT_EQ(Contenu(nom), "UN deux");
    EXPECT_TRUE(utilisateur.boutonsVus.empty());
}

}  // namespace
