// SPDX-License-Identifier: GPL-3.0-or-later
// What the game tests share: the real program started up to its setup
// screen, driven by queued clicks and keys through its own start-up and
// main-loop steps, with sleeps recorded instead of slept, pixels read back
// and the end-of-game box answered like a player would.
#pragma once

#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "jeu/demarrage.h"
#include "port/port_essai.h"

namespace banc_partie {

// The program under test.
extern Application application;
// The sleeps asked for, in milliseconds.
extern std::vector<int> sommeils;
// What each end-of-game box showed in its message frame, (0, 0)-(249, 89).
extern std::vector<std::vector<uint32_t>> boites;

// Screen positions of the buttons used by the tests.
enum {
    X_GAUCHE = 155,
    X_DROITE = 645,  // centres of the setup screen's side panels
    Y_HUMAIN = 287,
    Y_QUITTER_JOUER = 547,
    X_COMMANDES = 700,
    Y_AIDE = 447,
    Y_ANNULER = 492,
    Y_QUITTER_JEU = 537
};

// Start-up to the setup screen, the title screen ended by one click.
void DemarreProgramme();
// Destroys the window and releases what the run loaded.
void ArreteProgramme();

// Queues a left press and its release at (x, y).
void Clique(int x, int y);
// Handles every queued message, as the program's waits do.
void Traite();
void CliqueEtTraite(int x, int y);
// Presses "JOUER" and runs one turn of the main loop: the wait, then the game's start.
void Lance();
// Chooses a side's player on the setup screen: 0 a person, 1 to 3 a computer strength.
void ChoisitJoueur(int cote, int niveau);
// Chooses the board size on the setup screen.
void ChoisitTaille(int taille);
// A press in the middle of cell (x, y) of the board, then its handling.
void JoueCase(int x, int y);

// Pixel of the window's back buffer, 0x00RRGGBB.
uint32_t Pixel(Fenetre *fenetre, int x, int y);
uint32_t Valeur(Couleur couleur);
// The pixels of the inclusive rectangle, row after row.
std::vector<uint32_t> Pixels(Fenetre *fenetre, int x1, int y1, int x2, int y2);
// How many pixels of the inclusive rectangle are the given colour.
int CompteCouleur(Fenetre *fenetre, int x1, int y1, int x2, int y2, Couleur couleur);
// The message frame of the end-of-game box as it looks with this text.
std::vector<uint32_t> BoiteAttendue(const char *texte);
// Pawns of a side on the board in play.
int Pions(int cote);

// A started program for each test.
class Programme : public ::testing::Test {
protected:
    void SetUp() override {
        DemarreProgramme();
    }
    void TearDown() override {
        ArreteProgramme();
    }
    Partie &partie() {
        return application.partie;
    }
    Fenetre *fenetre() {
        return application.fenetre;
    }
};

// Ends the test program if a wait that should return never does.
struct Garde {
    explicit Garde(unsigned secondes = 60) {
        alarm(secondes);
    }
    ~Garde() {
        alarm(0);
    }
};

}  // namespace banc_partie
