// SPDX-License-Identifier: GPL-3.0-or-later
// The French column of the game's texts.
#include "jeu/tables.h"

const char *const textes_jeu[NB_TEXTES_JEU] = {"CONTRE",
                                               "PLATEAU",
                                               "Humain",
                                               "Ordinateur",
                                               "1",
                                               "2",
                                               "3",
                                               "QUITTER",
                                               "JOUER",
                                               "Scores",
                                               "Pions",
                                               "AIDE",
                                               "ANNULER",
                                               "a gagne",
                                               "Match null",
                                               "pas possible ici",
                                               "il ne faut pas tricher",
                                               "svp consulter l'aide",
                                               "svp consulter l'occuliste",
                                               "Annulation impossible",
                                               "Joueur 1",
                                               "Joueur 2",
                                               "Passe son tour",
                                               "Cliquez pour continuer"};

const TextesOptions textes_options = {
    "ok_fr",
    "1.0",
    "ok_fr [--zoom=N] [--plein-ecran] [--muet] [--help] [--version]",
    "Flipora, le jeu de Reversi, en francais.\n"
    "\n"
    "  --zoom=N, --zoom N  montre la fenetre N fois plus grande (N de 1 a 4) ; a defaut,\n"
    "                      FLIPORA_ZOOM, puis la taille de l'ecran et l'echelle du bureau\n"
    "                      (GDK_SCALE, QT_SCALE_FACTOR)\n"
    "  --plein-ecran       ouvre la fenetre en plein ecran ; F11 l'y met et l'en sort\n"
    "  --muet              commence sans le son (la touche M le coupe et le remet en jeu)\n"
    "  --help              montre cette aide et termine\n"
    "  --version           montre la version et termine\n"
    "\n"
    "Statuts : 0 fin normale ; 1 memoire insuffisante ; 2 attente sans fenetre ;\n"
    "3 nom d'image ou texte trop long ; 4 fenetre, police, affichage ou image impossible ;\n"
    "5 boite de nombre invalide ; 64 erreur d'utilisation.\n",
    "option inconnue",
    "zoom invalide (1 a 4)",
    "valeur manquante apres"};
