// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/ecrans.h"

#include <cstdio>
#include <cstdlib>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/frame.h"
#include "ecran/widgets/texte.h"
#include "jeu/aide.h"
#include "jeu/clavier.h"
#include "jeu/coup.h"
#include "jeu/ordinateur.h"
#include "jeu/regions.h"
#include "jeu/tour.h"

namespace {

// The name fields take no more than a side name shows well on the play screen.
const int longueur_nom = 8;

// Identifier of the three play-screen buttons, which their callbacks ignore.
const int id_commandes = 16;

// A game screen is only ever started on a play screen that "JOUER" built.
bool partie_lancee = false;

// The five choice groups of the setup screen: each side's person-or-level
// group (its slots in level order, person first), each side's pawn sets, the board sizes.
const int nb_groupes = 5;
const int groupes[nb_groupes][4] = {
    {SLOT_HUMAIN_1, SLOT_NIVEAU1_1, SLOT_NIVEAU2_1, SLOT_NIVEAU3_1},
    {SLOT_HUMAIN_2, SLOT_NIVEAU1_2, SLOT_NIVEAU2_2, SLOT_NIVEAU3_2},
    {4, 6, 8, 10},
    {5, 7, 9, 11},
    {SLOT_TAILLE_6, SLOT_TAILLE_8, SLOT_TAILLE_10, SLOT_TAILLE_12},
};
enum { GROUPE_JOUEUR_1, GROUPE_JOUEUR_2, GROUPE_PIONS_1, GROUPE_PIONS_2, GROUPE_TAILLE };

const char *const textes_tailles[4] = {"6", "8", "10", "12"};

// The file an image of `pixmaps_jeu` was loaded from.
const char *FichierPixmap(int slot) {
    return fichiers_images[slot + 1];
}

// A game button in its normal colours.
Bouton *BoutonJeu(int id, int x1, int y1, int x2, int y2, const char *texte, const char *image, RappelBouton rappel,
                  void *donnee, Fenetre *fenetre) {
    return CreeBouton(id, x1, y1, x2, y2, texte, police_jeu, image, bleu_fonce, jaune, rappel, donnee, fenetre);
}

// A game button centred horizontally in a panel, `decalage` below its top.
Bouton *BoutonDansPanneau(int id, int decalage, int largeur, const char *texte, RappelBouton rappel, void *donnee,
                          Frame *panneau, Fenetre *fenetre) {
    return CreeBoutonDansFrame(id, 'h', decalage, largeur, 35, texte, police_jeu, nullptr, bleu_fonce, jaune, rappel,
                               donnee, panneau, fenetre);
}

// A label centred horizontally in a panel, `decalage` below its top.
void EtiquetteDansPanneau(int decalage, const char *texte, Couleur couleur, Frame *panneau, Fenetre *fenetre) {
    Frame cadre = *panneau;
    EcritTexteCentre('h', decalage, texte, police_jeu, couleur, cadre.x1, cadre.y1, cadre.x2, cadre.y2, fenetre);
}

// Side `c` (0 for side -1 on the left, 1 for side +1 on the right): its
// "Humain" button, the level buttons under "Ordinateur", and its current choice.
void ConstruitJoueur(Interface *interface, int c, Frame *panneau) {
    Partie *partie = interface->partie;
    Fenetre *fenetre = partie->fenetre;
    const int *groupe = groupes[GROUPE_JOUEUR_1 + c];
    interface->controles[groupe[0]].bouton =
        BoutonDansPanneau(groupe[0], 70, 140, textes_jeu[TEXTE_HUMAIN], ChoixOption, interface, panneau, fenetre);
    EtiquetteDansPanneau(140, textes_jeu[TEXTE_ORDINATEUR], jaune, panneau, fenetre);
    // The right panel's level buttons stand 5 pixels lower than the left one's.
    int x = panneau->x1 + 80, y = 350 + 5 * c;
    for (int niveau = 1; niveau <= 3; niveau++) {
        int slot = groupe[niveau], gauche = x + 40 * (niveau - 1);
        interface->controles[slot].bouton =
            BoutonJeu(slot, gauche, y, gauche + 30, y + 30, textes_jeu[TEXTE_NIVEAU_1 + niveau - 1], nullptr,
                      ChoixOption, interface, fenetre);
    }
    int cote = 2 * c;
    SurligneBouton(interface, groupe[partie->humain[cote] == 1 ? 0 : partie->niveau[cote]], true);
}

// The eight pawn-set buttons, even sets on the left, odd ones on the right,
// two columns and two rows on each side, and the two current sets.
void ConstruitJeuxPions(Interface *interface) {
    Partie *partie = interface->partie;
    for (int jeu = PREMIER_JEU_PIONS; jeu <= DERNIER_JEU_PIONS; jeu++) {
        int rang = jeu - PREMIER_JEU_PIONS;
        int x = (jeu % 2 == 0 ? 92 : 582) + 69 * (rang / 2 % 2), y = 396 + 66 * (rang / 4);
        interface->controles[jeu].bouton =
            BoutonJeu(jeu, x, y, x + 55, y + 55, "", FichierPixmap(jeu), ChoixOption, interface, partie->fenetre);
    }
    SurligneBouton(interface, partie->jeu_pions[0], true);
    SurligneBouton(interface, partie->jeu_pions[2], true);
}

// The four board-size buttons in the centre panel and the current size.
void ConstruitTailles(Interface *interface) {
    Partie *partie = interface->partie;
    for (int k = 0; k < 4; k++) {
        int slot = SLOT_TAILLE_6 + k, x = 360 + 45 * (k % 2), y = 330 + 40 * (k / 2);
        interface->controles[slot].bouton =
            BoutonJeu(slot, x, y, x + 35, y + 30, textes_tailles[k], nullptr, ChoixOption, interface, partie->fenetre);
    }
    SurligneBouton(interface, SLOT_TAILLE_6 + (partie->taille - 6) / 2, true);
}

// The group of a choice button and its place in it; false for any other identifier.
bool TrouveChoix(int id, int *groupe, int *rang) {
    for (int g = 0; g < nb_groupes; g++)
        for (int k = 0; k < 4; k++)
            if (groupes[g][k] == id) {
                *groupe = g;
                *rang = k;
                return true;
            }
    return false;
}

// Stores the choice of the pressed button in the game record.
void AppliqueChoix(Partie *partie, int groupe, int rang, int id) {
    switch (groupe) {
    case GROUPE_JOUEUR_1:
    case GROUPE_JOUEUR_2: {
        int c = 2 * (groupe - GROUPE_JOUEUR_1);
        partie->niveau[c] = rang;
        partie->humain[c] = rang == 0 ? 1 : 0;
        break;
    }
    case GROUPE_PIONS_1:
    case GROUPE_PIONS_2: {
        int c = 2 * (groupe - GROUPE_PIONS_1);
        partie->jeu_pions[c] = id;
        partie->images[c][0] = pixmaps_jeu[id];
        break;
    }
    default: partie->taille = 2 * id - 18;
    }
}

// The typed name of a side, kept in the game record.
void GardeNom(Interface *interface, int slot, int cote) {
    char *nom = CopieTexte(interface->controles[slot].texte);
    snprintf(interface->partie->nom[cote + 1], NB_NOM, "%s", nom);
    free(nom);
}

// The side panel's fixed contents: names, labels, starting scores and pawns.
void ConstruitPanneau(Partie *partie, Frame *panneau) {
    Fenetre *fenetre = partie->fenetre;
    EcritDansZone(partie->nom[0], NOMS[0], fenetre);
    EcritDansZone(partie->nom[2], NOMS[1], fenetre);
    EtiquetteDansPanneau(HAUT_SCORES, textes_jeu[TEXTE_SCORES], noir, panneau, fenetre);
    EtiquetteDansPanneau(HAUT_PIONS, textes_jeu[TEXTE_PIONS], noir, panneau, fenetre);
    for (int i = 0; i < 2; i++) {
        EcritDansZone(textes_jeu[TEXTE_NIVEAU_2], SCORES_DEPART[i], fenetre);
        AfficheDansZone(partie->images[2 * i][0], PIONS[i], fenetre);
    }
}

// The side panel's three commands, "AIDE" lit while the hints are on.
void ConstruitCommandes(Interface *interface, Frame *panneau) {
    Partie *partie = interface->partie;
    Fenetre *fenetre = partie->fenetre;
    interface->controles[SLOT_AIDE].bouton = BoutonDansPanneau(
        id_commandes, HAUT_AIDE, LARGEUR_COMMANDE, textes_jeu[TEXTE_AIDE], BasculeAide, interface, panneau, fenetre);
    if (partie->aide == 1)
        SurligneBouton(interface, SLOT_AIDE, true);
    BoutonDansPanneau(id_commandes, HAUT_QUITTER, LARGEUR_COMMANDE, textes_jeu[TEXTE_QUITTER], RetourReglages,
                      interface, panneau, fenetre);
    BoutonDansPanneau(id_commandes, HAUT_ANNULER, LARGEUR_COMMANDE, textes_jeu[TEXTE_ANNULER], AnnuleCoup, partie,
                      panneau, fenetre);
}

}  // namespace

void ConstruitReglages(Interface *interface) {
    Partie *partie = interface->partie;
    Fenetre *fenetre = partie->fenetre;
    ChargeEtAffichePixmap(fichiers_images[FICHIER_FOND], 0, 0, fenetre);
    Frame *gauche = CreeFrame(20, 200, 290, 590, fichiers_images[FICHIER_FRAME1], bleu_moyen, fenetre);
    Frame *centre = CreeFrame(310, 260, 490, 430, fichiers_images[FICHIER_FRAME2], bleu_moyen, fenetre);
    Frame *droite = CreeFrame(510, 200, 780, 590, fichiers_images[FICHIER_FRAME3], bleu_moyen, fenetre);
    interface->controles[SLOT_NOM_1].texte = CreeTexteDansFrame(
        1, 'h', 25, 140, 35, partie->nom[0], police_jeu, longueur_nom, bleu_fonce, nullptr, nullptr, gauche, fenetre);
    interface->controles[SLOT_NOM_2].texte = CreeTexteDansFrame(
        1, 'h', 25, 140, 35, partie->nom[2], police_jeu, longueur_nom, bleu_fonce, nullptr, nullptr, droite, fenetre);
    EtiquetteDansPanneau(50, textes_jeu[TEXTE_PLATEAU], jaune, centre, fenetre);
    ConstruitJoueur(interface, 0, gauche);
    ConstruitJoueur(interface, 1, droite);
    ConstruitJeuxPions(interface);
    ConstruitTailles(interface);
    // The window's own display record, whose list holds every live window.
    interface->controles[SLOT_QUITTER].bouton = BoutonDansPanneau(SLOT_QUITTER, 330, 100, textes_jeu[TEXTE_QUITTER],
                                                                  FermeToutRappel, fenetre->ecran, gauche, fenetre);
    interface->controles[SLOT_JOUER].bouton =
        BoutonDansPanneau(SLOT_JOUER, 330, 100, textes_jeu[TEXTE_JOUER], LancePartie, interface, droite, fenetre);
    // Return starts a game with the settings shown.
    DonneFocus(interface->controles[SLOT_JOUER].bouton, fenetre);
}

int ChoixOption(void *donnee, int id) {
    Interface *interface = static_cast<Interface *>(donnee);
    Partie *partie = interface->partie;
    int groupe, rang;
    if (!TrouveChoix(id, &groupe, &rang))
        return 1;
    for (int k = 0; k < 4; k++)
        SurligneBouton(interface, groupes[groupe][k], false);
    AppliqueChoix(partie, groupe, rang, id);
    partie->aide = partie->humain[0] == 1 || partie->humain[2] == 1 ? 1 : 0;
    SurligneBouton(interface, id, true);
    RafraichitZone(FENETRE_JEU, partie->fenetre);
    return 1;
}

int LancePartie(void *donnee, int) {
    Interface *interface = static_cast<Interface *>(donnee);
    Partie *partie = interface->partie;
    Fenetre *fenetre = partie->fenetre;
    GardeNom(interface, SLOT_NOM_1, -1);
    GardeNom(interface, SLOT_NOM_2, 1);
    VideFenetre(fenetre);
    ChargePoids(*partie);
    partie->joueur = -1;
    ChargeImagesPions(partie);
    VideFenetre(fenetre);
    Zone tout = FENETRE_JEU, tapis = ZONE_PLATEAU, cote = PANNEAU;
    RemplitRectangle(tout.gauche, tout.haut, tout.droite, tout.bas, bleu_clair, fenetre);
    CreeArdoise(1, tapis.gauche, tapis.haut, tapis.droite, tapis.bas, FichierPixmap(PIXMAP_MOQUETTE), bleu_clair,
                ClicPlateau, interface, fenetre);
    Frame *panneau =
        CreeFrame(cote.gauche, cote.haut, cote.droite, cote.bas, FichierPixmap(PIXMAP_COTE), bleu_clair, fenetre);
    ConstruitPanneau(partie, panneau);
    ConstruitCommandes(interface, panneau);
    DessinePlateau(interface);
    partie_lancee = true;
    return CODE_EVENEMENT;
}

void DessinePlateau(Interface *interface) {
    Partie *partie = interface->partie;
    Fenetre *fenetre = partie->fenetre;
    int n = partie->taille, origine = Origine(n);
    partie->origine = origine;
    Zone ardoise = ArdoisePlateau(origine);
    Ardoise *damier = CreeArdoise(1, ardoise.gauche, ardoise.haut, ardoise.droite, ardoise.bas,
                                  FichierPixmap(PIXMAP_PLATEAU), violet, ClicPlateau, interface, fenetre);
    // The vertical lines stop one pixel short of where the horizontal ones reach.
    int bas = ZONE_PLATEAU.bas - 1 - origine;
    for (int k = 0; k <= n; k++) {
        int c = origine + TAILLE_CASE * k;
        TraceLigne(c, origine, c, bas, bleu_clair, fenetre);
        TraceLigne(origine, c, origine + TAILLE_CASE * n, c, bleu_clair, fenetre);
    }
    VidePlateau(partie);
    RafraichitZone(FENETRE_JEU, fenetre);
    int m = n / 2;
    for (int i = 0; i < 2; i++)
        for (int j = 0; j < 2; j++) {
            int joueur = i == j ? 1 : -1;
            partie->joueur = joueur;
            plateau[m - i][m - j] = joueur;
            PointCoup coin = CoinCase(m - i, m - j, origine);
            PosePion(POSE_PION, *partie, coin.x, coin.y);
        }
    PrepareClavierPlateau(interface, damier);
}

void IndiqueTour(int cote, Partie partie) {
    int ici = cote < 0 ? 0 : 1;
    PeintPanneau(PLACES_FLECHE[1 - ici], partie.fenetre);
    AfficheDansZone(pixmaps_jeu[PIXMAP_FLECHE], FLECHES[ici], partie.fenetre);
    RafraichitZone(BANDE_FLECHE, partie.fenetre);
}

void SurligneBouton(Interface *interface, int slot, bool choisi) {
    Fenetre *fenetre = interface->partie->fenetre;
    Bouton *bouton = interface->controles[slot].bouton;
    if (choisi)
        ChangeCouleursBouton(bouton, bleu_fonce, jaune, fenetre);
    else
        ChangeCouleursBouton(bouton, jaune, bleu_fonce, fenetre);
}

bool PrendPartieLancee() {
    bool lancee = partie_lancee;
    partie_lancee = false;
    return lancee;
}
