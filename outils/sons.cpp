// SPDX-License-Identifier: GPL-3.0-or-later
#include "sons.h"

#include <algorithm>
#include <cmath>

#include "bruit.h"
#include "jeu/tables.h"
#include "wav.h"

namespace {

const double PI = 3.14159265358979323846;

// A sine partial of a struck note: frequency in hertz, amplitude, and the
// time in seconds over which it decays by a factor e.
struct Partiel {
    double frequence, amplitude, declin;
};

// A sound of that many seconds, silent.
std::vector<double> Silence(double secondes) {
    return std::vector<double>(static_cast<size_t>(std::lround(secondes * FREQUENCE_WAV)), 0.0);
}

// Rises from 0 to 1 along half a cosine over `attaque` seconds: no step, so no click.
double Montee(double t, double attaque) {
    return t >= attaque ? 1.0 : 0.5 - 0.5 * std::cos(PI * t / attaque);
}

// Adds a note struck at `debut` seconds: each partial starts at phase 0 under
// the same attack and dies away at its own pace.
void Frappe(std::vector<double> &son, double debut, double attaque, double force,
            const std::vector<Partiel> &partiels) {
    for (size_t i = static_cast<size_t>(std::lround(debut * FREQUENCE_WAV)); i < son.size(); i++) {
        double t = static_cast<double>(i) / FREQUENCE_WAV - debut;
        double v = 0;
        for (const Partiel &p : partiels)
            v += p.amplitude * std::exp(-t / p.declin) * std::sin(2 * PI * p.frequence * t);
        son[i] += force * Montee(t, attaque) * v;
    }
}

// Adds the short breath of noise that makes a knock sound like wood rather
// than a bell: noise through two one-pole low-passes, so that no hiss is
// left above it, dying away like a partial.
void Souffle(std::vector<double> &son, double amplitude, double declin, double coupure, uint32_t graine) {
    double a = 1 - std::exp(-2 * PI * coupure / FREQUENCE_WAV), filtre = 0, filtre2 = 0;
    for (size_t i = 0; i < son.size(); i++) {
        double t = static_cast<double>(i) / FREQUENCE_WAV;
        filtre += a * (2 * Hachage(static_cast<int32_t>(i), 0, graine) - 1 - filtre);
        filtre2 += a * (filtre - filtre2);
        son[i] += amplitude * Montee(t, 0.001) * std::exp(-t / declin) * filtre2;
    }
}

// Scales the sound to peak at `crete` of full scale and fades its last
// `fondu` seconds to silence, so that it ends without a click.
std::vector<double> Termine(std::vector<double> son, double crete, double fondu) {
    double pic = 0;
    for (double v : son)
        pic = std::max(pic, std::fabs(v));
    size_t n = son.size(), f = static_cast<size_t>(std::lround(fondu * FREQUENCE_WAV));
    for (size_t i = 0; i < n; i++) {
        double reste = static_cast<double>(n - 1 - i) / FREQUENCE_WAV;
        son[i] *= (pic > 0 ? crete / pic : 0) * (i + f >= n ? Montee(reste, fondu) : 1.0);
    }
    return son;
}

// A bell-like note: the fundamental with two quicker overtones.
std::vector<Partiel> Cloche(double f, double declin) {
    return {{f, 1.0, declin}, {2 * f, 0.3, declin / 2}, {3 * f, 0.1, declin / 3}};
}

// A wooden knock, low and short: a pawn set down on the board.
std::vector<double> Pose() {
    std::vector<double> s = Silence(0.14);
    Frappe(s, 0, 0.0015, 1, {{410, 1.0, 0.030}, {1090, 0.45, 0.014}, {2300, 0.18, 0.006}});
    Souffle(s, 0.6, 0.006, 2000, 17);
    return Termine(s, 0.35, 0.03);
}

// A light, high tick, softer than the knock: a run of them is a ripple, not a rattle.
std::vector<double> Retourne() {
    std::vector<double> s = Silence(0.05);
    Frappe(s, 0, 0.0008, 1, {{1750, 1.0, 0.008}, {2650, 0.5, 0.005}, {4100, 0.2, 0.003}});
    return Termine(s, 0.18, 0.012);
}

// Two soft notes stepping down a fourth: the turn comes back.
std::vector<double> Passe() {
    std::vector<double> s = Silence(0.46);
    Frappe(s, 0, 0.012, 1, {{587.33, 1.0, 0.09}, {1174.66, 0.25, 0.05}, {1761.99, 0.08, 0.03}});
    Frappe(s, 0.16, 0.012, 1, {{440.0, 1.0, 0.14}, {880.0, 0.25, 0.07}, {1320.0, 0.08, 0.04}});
    return Termine(s, 0.22, 0.06);
}

// A rising arpeggio of C major ending on the octave, which rings on.
std::vector<double> Victoire() {
    std::vector<double> s = Silence(1.0);
    Frappe(s, 0.00, 0.004, 1.0, Cloche(523.25, 0.18));
    Frappe(s, 0.09, 0.004, 1.0, Cloche(659.26, 0.18));
    Frappe(s, 0.18, 0.004, 1.0, Cloche(783.99, 0.18));
    Frappe(s, 0.27, 0.004, 1.1, Cloche(1046.50, 0.32));
    return Termine(s, 0.28, 0.15);
}

// The same open fifth struck twice, the second softer: neither up nor down.
std::vector<double> Nul() {
    std::vector<double> s = Silence(0.8);
    for (double debut : {0.0, 0.22})
        Frappe(s, debut, 0.01, debut == 0 ? 1.0 : 0.8, {{392.0, 1.0, 0.18}, {587.33, 0.8, 0.16}, {784.0, 0.15, 0.08}});
    return Termine(s, 0.24, 0.15);
}

// The samples of the sound the tables number `son`; empty for a number not known here.
std::vector<double> Synthetise(int son) {
    switch (son) {
    case SON_POSE: return Pose();
    case SON_RETOURNE: return Retourne();
    case SON_PASSE: return Passe();
    case SON_VICTOIRE: return Victoire();
    case SON_NUL: return Nul();
    }
    return {};
}

}  // namespace

std::vector<SonGenere> SonsDuJeu(std::vector<std::string> *orphelins) {
    std::vector<SonGenere> sons;
    for (int son = 0; son < NB_SONS; son++) {
        std::vector<double> echantillons = Synthetise(son);
        if (echantillons.empty())
            orphelins->push_back(fichiers_sons[son]);
        else
            sons.push_back({fichiers_sons[son], echantillons});
    }
    return sons;
}
