// The French column of the game's texts.
#include "jeu/tables.h"

const char *const textes_jeu[NB_TEXTES_JEU] = {
    "CONTRE", "PLATEAU", "Humain", "Ordinateur", "1", "2", "3", "QUITTER", "JOUER",
    "Scores", "Pions", "AIDE", "ANNULER", "a gagne", "Match null",
    "pas possible ici", "il ne faut pas tricher", "svp consulter l'aide", "svp consulter l'occuliste",
    "Annulation impossible", "Joueur 1", "Joueur 2", "Passe son tour", "Cliquez pour continuer"};
