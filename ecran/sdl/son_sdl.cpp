// SPDX-License-Identifier: GPL-3.0-or-later
// Sound on SDL's audio: a mixer of a few voices in SDL's audio callback,
// which runs on SDL's own thread. The program only hands it a sound to start,
// under the device's lock held for a few instructions, and never waits for
// it; SDL converts the mixer's format to the device's. SDL's thread wakes at
// every buffer while the device is open, even in silence, so the device is
// closed once the sounds have been over for a while, and opened again by the
// next one: an idle program uses no processor for its sound.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "sdl_interne.h"

struct SonPf {
    std::vector<int16_t> echantillons;  // mono, at the mixer's rate
    uint64_t prochainDebut;             // the mixer's clock at which it may start again
};

namespace {

// The mixer's format: CD rate, 16-bit, one channel.
const int FREQUENCE = 44100;
// Samples a callback mixes, about 12 ms: a sound starts with the picture it goes with.
const int TAMPON = 512;
// Sounds at once, those waiting for their turn in a run included.
const int NB_VOIX = 32;
// The least time between two starts of one sound, in samples: 25 ms.
const uint64_t ECART = FREQUENCE / 40;
// The longest sound the mixer takes, in seconds.
const int DUREE_MAX = 30;
// How long the device stays open after the last sound, in milliseconds.
const Uint32 RETENUE = 2000;

// One sound being played: free while `son` is null.
struct Voix {
    const SonPf *son;
    uint64_t debut;  // the mixer's clock at its first sample
    size_t lu;       // samples already mixed
};

// True once a device has answered; the output is open while `sortie` is not 0.
bool disponible = false;
SDL_AudioDeviceID sortie = 0;
// The timer that asks for the device to close, and the event it sends.
SDL_TimerID minuterie = 0;
Uint32 evenementSilence = 0;
// Shared with the callback: touched only under the device's lock.
Voix voix[NB_VOIX];
// Samples mixed since the output opened.
uint64_t horloge = 0;

// Adds what the voice plays in the n samples from `horloge` on.
void MixeVoix(Voix &v, int32_t *somme, int n) {
    if (v.son == nullptr || v.debut >= horloge + uint64_t(n))
        return;
    int decalage = v.debut > horloge ? int(v.debut - horloge) : 0;
    const std::vector<int16_t> &e = v.son->echantillons;
    size_t nombre = std::min(size_t(n - decalage), e.size() - v.lu);
    for (size_t i = 0; i < nombre; i++)
        somme[decalage + i] += e[v.lu + i];
    v.lu += nombre;
    if (v.lu == e.size())
        v.son = nullptr;
}

// SDL's callback, on its audio thread, with the device's lock held.
void Mixe(void *, Uint8 *flux, int octets) {
    int16_t *sortieMixee = reinterpret_cast<int16_t *>(flux);
    int total = octets / int(sizeof(int16_t));
    for (int fait = 0; fait < total; fait += TAMPON) {
        int n = std::min(TAMPON, total - fait);
        int32_t somme[TAMPON] = {};
        for (Voix &v : voix)
            MixeVoix(v, somme, n);
        for (int i = 0; i < n; i++)
            sortieMixee[fait + i] = int16_t(std::clamp(somme[i], int32_t(INT16_MIN), int32_t(INT16_MAX)));
        horloge += uint64_t(n);
    }
}

// The sound libraries under SDL (ALSA's above all) complain on standard
// error when no device answers, and SDL announces its file driver there:
// while the output opens, standard error goes nowhere. Returns the saved
// descriptor, -1 when it could not be saved.
int TaitErreurs() {
    fflush(stderr);
    int copie = dup(STDERR_FILENO);
    int nulle = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (copie >= 0 && nulle >= 0)
        dup2(nulle, STDERR_FILENO);
    if (nulle >= 0)
        close(nulle);
    return copie;
}

void RendErreurs(int copie) {
    if (copie < 0)
        return;
    dup2(copie, STDERR_FILENO);
    close(copie);
}

// Closes the output and SDL's audio with it: besides the device's own
// thread, some of SDL's sound back ends keep one that polls for devices. At
// exit the output stops cleanly, SDL's threads ending before the program does.
void FermeAudio() {
    if (sortie == 0)
        return;
    SDL_CloseAudioDevice(sortie);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sortie = 0;
}

// On SDL's timer thread: the main thread closes the device if all is quiet.
Uint32 SignaleSilence(Uint32, void *) {
    SDL_Event e;
    SDL_zero(e);
    e.type = evenementSilence;
    SDL_PushEvent(&e);
    return 0;
}

// Asks for the device to close `delai` milliseconds from now, unless a sound comes first.
void PrevoitFermeture(Uint32 delai) {
    if (minuterie != 0)
        SDL_RemoveTimer(minuterie);
    minuterie = SDL_AddTimer(delai, SignaleSilence, nullptr);
}

// Opens the device, quietly; true when it is open.
bool OuvreSortie() {
    if (sortie != 0)
        return true;
    int copie = TaitErreurs();
    SDL_AudioSpec voulu = {};
    voulu.freq = FREQUENCE;
    voulu.format = AUDIO_S16SYS;
    voulu.channels = 1;
    voulu.samples = TAMPON;
    voulu.callback = Mixe;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        sortie = SDL_OpenAudioDevice(nullptr, 0, &voulu, nullptr, 0);
        if (sortie == 0)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    RendErreurs(copie);
    if (sortie == 0)
        return false;
    SDL_PauseAudioDevice(sortie, 0);
    PrevoitFermeture(RETENUE);
    return true;
}

// True while a voice plays or waits to start.
bool SonEnCours() {
    SDL_LockAudioDevice(sortie);
    bool enCours = std::any_of(std::begin(voix), std::end(voix), [](const Voix &v) { return v.son != nullptr; });
    SDL_UnlockAudioDevice(sortie);
    return enCours;
}

// The decoded samples in the mixer's format, or null.
SonPf *Convertit(const SDL_AudioSpec &spec, const Uint8 *donnees, Uint32 longueur) {
    uint32_t trame = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    if (trame == 0 || spec.freq <= 0 || longueur < trame || longueur / trame > uint64_t(DUREE_MAX) * spec.freq)
        return nullptr;
    SDL_AudioStream *flux = SDL_NewAudioStream(spec.format, spec.channels, spec.freq, AUDIO_S16SYS, 1, FREQUENCE);
    if (flux == nullptr)
        return nullptr;
    SonPf *son = nullptr;
    if (SDL_AudioStreamPut(flux, donnees, int(longueur)) == 0 && SDL_AudioStreamFlush(flux) == 0) {
        son = new SonPf{std::vector<int16_t>(size_t(SDL_AudioStreamAvailable(flux)) / sizeof(int16_t)), 0};
        int lus = SDL_AudioStreamGet(flux, son->echantillons.data(), int(son->echantillons.size() * sizeof(int16_t)));
        son->echantillons.resize(lus > 0 ? size_t(lus) / sizeof(int16_t) : 0);
        if (son->echantillons.empty()) {
            delete son;
            son = nullptr;
        }
    }
    SDL_FreeAudioStream(flux);
    return son;
}

}  // namespace

bool PfOuvreAudio() {
    static bool essaye = false;
    if (essaye)
        return disponible;
    essaye = true;
    evenementSilence = SDL_InitSubSystem(SDL_INIT_TIMER) == 0 ? SDL_RegisterEvents(1) : 0;
    disponible = evenementSilence != 0 && evenementSilence != Uint32(-1) && OuvreSortie();
    if (disponible)
        atexit(FermeAudio);
    return disponible;
}

bool EstSilence(const SDL_Event &e) {
    return disponible && e.type == evenementSilence;
}

void FermeSiSilence() {
    minuterie = 0;
    if (sortie == 0)
        return;
    if (SonEnCours())
        PrevoitFermeture(RETENUE);
    else
        FermeAudio();
}

SonPf *PfDecodeSon(const void *octets, size_t taille) {
    // A file cut short is a damaged one, not a shorter sound; a RIFF size
    // that disagrees with the file is common enough to let pass.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    SDL_RWops *fichier = taille <= INT_MAX ? SDL_RWFromConstMem(octets, int(taille)) : nullptr;
    SDL_AudioSpec spec;
    Uint8 *donnees = nullptr;
    Uint32 longueur = 0;
    if (fichier == nullptr || SDL_LoadWAV_RW(fichier, 1, &spec, &donnees, &longueur) == nullptr)
        return nullptr;
    SonPf *son = Convertit(spec, donnees, longueur);
    SDL_FreeWAV(donnees);
    return son;
}

void PfJoueSon(SonPf *son) {
    if (!disponible || son == nullptr || !OuvreSortie())
        return;
    SDL_LockAudioDevice(sortie);
    Voix *libre = std::find_if(std::begin(voix), std::end(voix), [](const Voix &v) { return v.son == nullptr; });
    if (libre != std::end(voix)) {
        *libre = Voix{son, std::max(horloge, son->prochainDebut), 0};
        son->prochainDebut = libre->debut + ECART;
    }
    uint64_t fin = libre != std::end(voix) ? libre->debut - horloge + son->echantillons.size() : 0;
    SDL_UnlockAudioDevice(sortie);
    PrevoitFermeture(Uint32(fin * 1000 / FREQUENCE) + RETENUE);
}

void PfCoupeSons() {
    if (sortie == 0)
        return;
    SDL_LockAudioDevice(sortie);
    for (Voix &v : voix)
        v.son = nullptr;
    SDL_UnlockAudioDevice(sortie);
}
