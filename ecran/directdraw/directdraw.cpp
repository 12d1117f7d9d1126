// SPDX-License-Identifier: GPL-3.0-or-later
// Display set-up of each window and the display-server result check.
#include "directdraw.h"

#include <cstdio>

#include "ecran.h"

namespace {

struct NomResultat {
    int32_t code;
    const char *texte;
};

// Every named result and the text written for it.
const NomResultat noms[] = {
    {CodeDD(5), "DDERR_ALREADYINITIALIZED \n"},
    {CodeDD(574), "DDERR_BLTFASTCANTCLIP \n"},
    {CodeDD(10), "DDERR_CANNOTATTACHSURFACE \n"},
    {CodeDD(20), "DDERR_CANNOTDETACHSURFACE \n"},
    {CodeDD(585), " DDERR_CANTCREATEDC\n"},
    {CodeDD(583), "DDERR_CANTDUPLICATE \n"},
    {CodeDD(435), "DDERR_CANTLOCKSURFACE \n"},
    {CodeDD(640), "DDERR_CANTPAGELOCK \n"},
    {CodeDD(660), "DDERR_CANTPAGEUNLOCK \n"},
    {CodeDD(567), "DDERR_CLIPPERISUSINGHWND \n"},
    {CodeDD(400), "DDERR_COLORKEYNOTSET \n"},
    {CodeDD(40), "DDERR_CURRENTLYNOTAVAIL \n"},
    {CodeDD(620), "DDERR_DCALREADYCREATED \n"},
    {CodeDD(542), "DDERR_DDSCAPSCOMPLEXREQUIRED \n"},
    {CodeDD(699), "DDERR_DEVICEDOESNTOWNSURFACE \n"},
    {CodeDD(562), "DDERR_DIRECTDRAWALREADYCREATED \n"},
    {CodeDD(55), "DDERR_EXCEPTION \n"},
    {CodeDD(581), "DDERR_EXCLUSIVEMODEALREADYSET \n"},
    {CodeDD(691), "DDERR_EXPIRED \n"},
    {static_cast<int32_t>(0x80004005u), "DDERR_GENERIC \n"},
    {CodeDD(90), "DDERR_HEIGHTALIGN \n"},
    {CodeDD(571), "DDERR_HWNDALREADYSET \n"},
    {CodeDD(570), "DDERR_HWNDSUBCLASSED \n"},
    {CodeDD(588), "DDERR_IMPLICITLYCREATED \n"},
    {CodeDD(95), "DDERR_INCOMPATIBLEPRIMARY \n"},
    {CodeDD(100), "DDERR_INVALIDCAPS \n"},
    {CodeDD(110), "DDERR_INVALIDCLIPLIST \n"},
    {CodeDD(561), "DDERR_INVALIDDIRECTDRAWGUID \n"},
    {CodeDD(120), "DDERR_INVALIDMODE \n"},
    {CodeDD(130), "DDERR_INVALIDOBJECT \n"},
    {static_cast<int32_t>(0x80070057u), "DDERR_INVALIDPARAMS \n"},
    {CodeDD(145), "DDERR_INVALIDPIXELFORMAT \n"},
    {CodeDD(579), "DDERR_INVALIDPOSITION \n"},
    {CodeDD(150), "DDERR_INVALIDRECT \n"},
    {CodeDD(521), "DDERR_INVALIDSTREAM \n"},
    {CodeDD(592), "DDERR_INVALIDSURFACETYPE \n"},
    {CodeDD(160), "DDERR_LOCKEDSURFACES \n"},
    {CodeDD(690), "DDERR_MOREDATA\n"},
    {CodeDD(693), "DDERR_NEWMODE \n"},
    {CodeDD(170), "DDERR_NO3D \n"},
    {CodeDD(180), "DDERR_NOALPHAHW \n"},
    {CodeDD(575), "DDERR_NOBLTHW \n"},
    {CodeDD(205), "DDERR_NOCLIPLIST \n"},
    {CodeDD(568), "DDERR_NOCLIPPERATTACHED \n"},
    {CodeDD(210), "DDERR_NOCOLORCONVHW \n"},
    {CodeDD(215), "DDERR_NOCOLORKEY \n"},
    {CodeDD(220), " DDERR_NOCOLORKEYHW \n"},
    {CodeDD(212), "DDERR_NOCOOPERATIVELEVELSET  \n"},
    {CodeDD(586), "DDERR_NODC  \n"},
    {CodeDD(576), "DDERR_NODDROPSHW  \n"},
    {CodeDD(563), "DDERR_NODIRECTDRAWHW  \n"},
    {CodeDD(222), "DDERR_NODIRECTDRAWSUPPORT  \n"},
    {CodeDD(697), "DDERR_NODRIVERSUPPORT  \n"},
    {CodeDD(565), "DDERR_NOEMULATION  \n"},
    {CodeDD(225), "DDERR_NOEXCLUSIVEMODE  \n"},
    {CodeDD(230), "DDERR_NOFLIPHW  \n"},
    {CodeDD(602), "DDERR_NOFOCUSWINDOW  \n"},
    {CodeDD(240), "DDERR_NOGDI  \n"},
    {CodeDD(569), "DDERR_NOHWND  \n"},
    {CodeDD(591), "DDERR_NOMIPMAPHW  \n"},
    {CodeDD(250), "DDERR_NOMIRRORHW  \n"},
    {CodeDD(696), "DDERR_NOMONITORINFORMATION  \n"},
    {CodeDD(630), "DDERR_NONONLOCALVIDMEM  \n"},
    {CodeDD(600), "DDERR_NOOPTIMIZEHW  \n"},
    {CodeDD(578), "DDERR_NOOVERLAYDEST  \n"},
    {CodeDD(260), "DDERR_NOOVERLAYHW  \n"},
    {CodeDD(572), "DDERR_NOPALETTEATTACHED  \n"},
    {CodeDD(573), "DDERR_NOPALETTEHW  \n"},
    {CodeDD(280), "DDERR_NORASTEROPHW  \n"},
    {CodeDD(290), "DDERR_NOROTATIONHW  \n"},
    {CodeDD(181), "DDERR_NOSTEREOHARDWARE  \n"},
    {CodeDD(310), "DDERR_NOSTRETCHHW  \n"},
    {CodeDD(182), "DDERR_NOSURFACELEFT  \n"},
    {CodeDD(316), "DDERR_NOT4BITCOLOR  \n"},
    {CodeDD(317), "DDERR_NOT4BITCOLORINDEX  \n"},
    {CodeDD(320), "DDERR_NOT8BITCOLOR  \n"},
    {CodeDD(580), "DDERR_NOTAOVERLAYSURFACE  \n"},
    {CodeDD(330), "DDERR_NOTEXTUREHW  \n"},
    {CodeDD(582), "DDERR_NOTFLIPPABLE  \n"},
    {CodeDD(255), "DDERR_NOTFOUND  \n"},
    {static_cast<int32_t>(0x800401F0u), "DDERR_NOTINITIALIZED  \n"},
    {CodeDD(601), "DDERR_NOTLOADED  \n"},
    {CodeDD(584), "DDERR_NOTLOCKED  \n"},
    {CodeDD(680), "DDERR_NOTPAGELOCKED  \n"},
    {CodeDD(589), "DDERR_NOTPALETTIZED  \n"},
    {CodeDD(335), "DDERR_NOVSYNCHW  \n"},
    {CodeDD(340), "DDERR_NOZBUFFERHW  \n"},
    {CodeDD(350), "DDERR_NOZOVERLAYHW  \n"},
    {CodeDD(360), "DDERR_OUTOFCAPS  \n"},
    {static_cast<int32_t>(0x8007000Eu), "DDERR_OUTOFMEMORY  \n"},
    {CodeDD(380), "DDERR_OUTOFVIDEOMEMORY  \n"},
    {CodeDD(270), "DDERR_OVERLAPPINGRECTS  \n"},
    {CodeDD(382), "DDERR_OVERLAYCANTCLIP  \n"},
    {CodeDD(384), "DDERR_OVERLAYCOLORKEYONLYONEACTIVE  \n"},
    {CodeDD(577), "DDERR_OVERLAYNOTVISIBLE  \n"},
    {CodeDD(387), "DDERR_PALETTEBUSY  \n"},
    {CodeDD(564), "DDERR_PRIMARYSURFACEALREADYEXISTS  \n"},
    {CodeDD(566), "DDERR_REGIONTOOSMALL  \n"},
    {CodeDD(410), "DDERR_SURFACEALREADYATTACHED  \n"},
    {CodeDD(420), "DDERR_SURFACEALREADYDEPENDENT  \n"},
    {CodeDD(430), "DDERR_SURFACEBUSY  \n"},
    {CodeDD(440), "DDERR_SURFACEISOBSCURED  \n"},
    {CodeDD(450), "DDERR_SURFACELOST  \n"},
    {CodeDD(460), "DDERR_SURFACENOTATTACHED  \n"},
    {CodeDD(692), "DDERR_TESTFINISHED  \n"},
    {CodeDD(470), "DDERR_TOOBIGHEIGHT  \n"},
    {CodeDD(480), "DDERR_TOOBIGSIZE  \n"},
    {CodeDD(490), "DDERR_TOOBIGWIDTH  \n"},
    {static_cast<int32_t>(0x80004001u), "DDERR_UNSUPPORTED  \n"},
    {CodeDD(510), "DDERR_UNSUPPORTEDFORMAT  \n"},
    {CodeDD(520), "DDERR_UNSUPPORTEDMASK  \n"},
    {CodeDD(590), "DDERR_UNSUPPORTEDMODE  \n"},
    {CodeDD(537), "DDERR_VERTICALBLANKINPROGRESS  \n"},
    {CodeDD(695), "DDERR_VIDEONOTACTIVE  \n"},
    {CodeDD(540), "DDERR_WASSTILLDRAWING  \n"},
    {CodeDD(587), "DDERR_WRONGMODE  \n"},
    {CodeDD(560), " \n"},
};

// A step's result: true when it succeeded; otherwise its message ends the
// window's set-up.
bool Etape(int32_t code, Fenetre *fenetre, const char *message) {
    if (VerifieDD(code))
        return true;
    ErreurFenetre(fenetre->hwnd, message);
    return false;
}

// The cooperation level, falling back to the normal level when the
// full-screen one is already taken (a box opens above the game's window).
// Full screen keeps the desktop's display mode: the window shows its
// picture scaled to the display.
int32_t Cooperation(Fenetre *fenetre, ObjetAffichage *objet) {
    int plein = fenetre->ecran->pleinEcran;
    int32_t code = plateforme.NiveauCooperation(objet, fenetre->hwnd, plein);
    return plein && code == DDERR_EXCLUSIVEMODEALREADYSET ? plateforme.NiveauCooperation(objet, fenetre->hwnd, 0)
                                                          : code;
}

bool CreeSurfaces(Fenetre *fenetre, ObjetAffichage *objet) {
    Surface *primaire = nullptr;
    if (!Etape(plateforme.SurfacePrimaire(objet, fenetre->hwnd, &primaire), fenetre,
               "Impossible de créer la surface primaire.\n"))
        return false;
    fenetre->surfacePrimaire = primaire;
    Clipper *clipper = nullptr;
    if (!Etape(plateforme.CreeClipper(objet, &clipper), fenetre, "Impossible de créer le clipper.\n"))
        return false;
    fenetre->clipper = clipper;
    if (!Etape(plateforme.ClipperFenetre(clipper, fenetre->hwnd), fenetre,
               "Impossible de définir le handle de fenêtre !\n"))
        return false;
    // The primary surface keeps the clipper alive from here on.
    if (!Etape(plateforme.AttacheClipper(primaire, clipper), fenetre, "Impossible de configurer le clipper.\n"))
        return false;
    fenetre->clipper = nullptr;
    int bits = 0;
    if (!Etape(plateforme.FormatPixels(primaire, &bits), fenetre, "Impossible d'obtenir le format des pixels.\n"))
        return false;
    Surface *arriere = nullptr;
    if (!Etape(plateforme.CreeSurface(objet, fenetre->largeur, fenetre->hauteur, &arriere), fenetre,
               "Impossible de creer le back buffer\n"))
        return false;
    fenetre->arrierePlan = arriere;
    return true;
}

}  // namespace

const char *TexteResultatDD(int32_t code, char *tampon, int taille) {
    if (code == DD_OK)
        return nullptr;
    for (const NomResultat &n : noms)
        if (n.code == code)
            return n.texte;
    snprintf(tampon, static_cast<size_t>(taille), "Encore une nouvelle erreur : %d\n", code);
    return tampon;
}

bool VerifieDD(int32_t code) {
    char tampon[64];
    const char *texte = TexteResultatDD(code, tampon, sizeof tampon);
    if (!texte)
        return true;
    EcritDebogage(texte);
    return false;
}

int InitialiseDirectDraw(Fenetre *fenetre) {
    ObjetAffichage *objet = nullptr;
    if (!Etape(plateforme.CreeObjetAffichage(&objet), fenetre, "Impossible de créer l'objet DirectDraw.\n"))
        return 0;
    fenetre->directDraw = objet;
    if (!Etape(Cooperation(fenetre, objet), fenetre, "Impossible de définir le niveau coopératif.\n"))
        return 0;
    return CreeSurfaces(fenetre, objet) ? 1 : 0;
}
