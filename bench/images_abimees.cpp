// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile image files against the real program: each variant
// takes the place of "plateau.bmp" (loaded by the title screen) in a copy of
// the image folder, and the program runs on SDL's dummy driver. One line a
// variant: exit status, seconds to exit, peak resident memory, and the reason
// the program gave. A program still running after the limit is killed and
// shown as "runs": the image was accepted.
//
// Usage: bench_images_abimees PROGRAM [IMAGE_FOLDER, default .] [LIMIT_SECONDS, default 5]
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

using Octets = std::vector<unsigned char>;

void Ajoute32(Octets &o, uint32_t v) {
    for (int i = 0; i < 4; i++)
        o.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

// A BMP file with a 40-byte header; `donnees` follow the colour table.
Octets Bmp(int32_t w, int32_t h, int bits, int compression, size_t donnees, int couleurs = 0, uint32_t debut = 0,
           uint32_t entete = 40) {
    Octets o = {'B', 'M'};
    uint32_t offset = debut ? debut : 54 + 4 * couleurs;
    Ajoute32(o, static_cast<uint32_t>(offset + donnees));
    Ajoute32(o, 0);
    Ajoute32(o, offset);
    Ajoute32(o, entete);
    Ajoute32(o, static_cast<uint32_t>(w));
    Ajoute32(o, static_cast<uint32_t>(h));
    Ajoute32(o, 1 | (bits << 16));
    Ajoute32(o, static_cast<uint32_t>(compression));
    for (int i = 0; i < 4; i++)
        Ajoute32(o, 0);
    Ajoute32(o, 0);
    Ajoute32(o, 0xFFFFFF);
    o.resize(54 + 4 * couleurs, 0);
    o.resize(o.size() + donnees, 0x55);
    return o;
}

// A whole RLE8 image of colour 1: runs of 255 pixels, each row ended.
Octets Rle8(int32_t w, int32_t h) {
    Octets o = Bmp(w, h, 8, 1, 0, 2);
    for (int32_t y = 0; y < h; y++) {
        for (int32_t x = 0; x < w; x += 255)
            o.insert(o.end(), {static_cast<unsigned char>(w - x < 255 ? w - x : 255), 1});
        o.insert(o.end(), {0, 0});
    }
    o.insert(o.end(), {0, 1});
    return o;
}

struct Variante {
    const char *nom;
    // Puts the variant at the path; false when it cannot be made here.
    bool (*fait)(const std::string &chemin, const Octets &original);
};

bool Ecrit(const std::string &chemin, const Octets &o) {
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char *>(o.data()), static_cast<std::streamsize>(o.size()));
    return bool(f);
}

const Variante variantes[] = {
    {"intact", [](const std::string &c, const Octets &o) { return Ecrit(c, o); }},
    {"missing", [](const std::string &, const Octets &) { return true; }},
    {"FIFO", [](const std::string &c, const Octets &) { return mkfifo(c.c_str(), 0600) == 0; }},
    {"directory", [](const std::string &c, const Octets &) { return mkdir(c.c_str(), 0700) == 0; }},
    {"/dev/zero", [](const std::string &c, const Octets &) { return symlink("/dev/zero", c.c_str()) == 0; }},
    {"empty", [](const std::string &c, const Octets &) { return Ecrit(c, {}); }},
    {"30 bytes", [](const std::string &c, const Octets &o) { return Ecrit(c, Octets(o.begin(), o.begin() + 30)); }},
    {"headers only", [](const std::string &c, const Octets &o) { return Ecrit(c, Octets(o.begin(), o.begin() + 54)); }},
    {"first half",
     [](const std::string &c, const Octets &o) { return Ecrit(c, Octets(o.begin(), o.begin() + o.size() / 2)); }},
    {"not a BMP",
     [](const std::string &c, const Octets &) {
         return Ecrit(c, Octets{0x89, 'P', 'N', 'G', 13, 10});
     }},
    {"width 0", [](const std::string &c, const Octets &) { return Ecrit(c, Bmp(0, 10, 24, 0, 120)); }},
    {"width -5", [](const std::string &c, const Octets &) { return Ecrit(c, Bmp(-5, 10, 24, 0, 160)); }},
    {"height INT_MIN", [](const std::string &c, const Octets &) { return Ecrit(c, Bmp(4, INT32_MIN, 24, 0, 64)); }},
    {"data offset past the end",
     [](const std::string &c, const Octets &) { return Ecrit(c, Bmp(4, 4, 24, 0, 48, 0, 1u << 30)); }},
    {"13 bits a pixel", [](const std::string &c, const Octets &) { return Ecrit(c, Bmp(4, 4, 13, 0, 64)); }},
    {"compression 7", [](const std::string &c, const Octets &) { return Ecrit(c, Bmp(4, 4, 24, 7, 64)); }},
    {"header of 11 bytes",
     [](const std::string &c, const Octets &) { return Ecrit(c, Bmp(4, 4, 24, 0, 64, 0, 0, 11)); }},
    {"RLE8 16384x16384 (2.2 MB)", [](const std::string &c, const Octets &) { return Ecrit(c, Rle8(16384, 16384)); }},
    {"RLE8 4097x4096 (147 kB)", [](const std::string &c, const Octets &) { return Ecrit(c, Rle8(4097, 4096)); }},
    {"1 bit 16384x16384 (32 MB)",
     [](const std::string &c, const Octets &) { return Ecrit(c, Bmp(16384, 16384, 1, 0, 16384 / 8 * 16384, 2)); }},
    {"24 bits 16384x1024, at the bound (48 MB)",
     [](const std::string &c, const Octets &) { return Ecrit(c, Bmp(16384, 1024, 24, 0, 16384 * 3 * 1024)); }},
    {"RLE8 4096x4096, at the bound (147 kB)",
     [](const std::string &c, const Octets &) { return Ecrit(c, Rle8(4096, 4096)); }},
};

// A folder of links to every image of `source`, "plateau.bmp" left out, and
// a copy of the program: from its own folder it looks nowhere else for images.
std::string CopieDossier(const std::string &source, const std::string &programme) {
    char modele[] = "/tmp/flipora-abimees-XXXXXX";
    if (!mkdtemp(modele))
        return "";
    std::string dossier = modele;
    char complet[PATH_MAX];
    if (!realpath(source.c_str(), complet))
        return "";
    DIR *d = opendir(complet);
    while (dirent *e = d ? readdir(d) : nullptr) {
        std::string nom = e->d_name;
        if (nom != "plateau.bmp" && (nom == "icones" || (nom.size() > 4 && nom.substr(nom.size() - 4) == ".bmp")))
            if (symlink((std::string(complet) + "/" + nom).c_str(), (dossier + "/" + nom).c_str()) != 0)
                perror(nom.c_str());
    }
    if (d)
        closedir(d);
    std::ifstream p(programme, std::ios::binary);
    std::ofstream(dossier + "/programme", std::ios::binary) << p.rdbuf();
    chmod((dossier + "/programme").c_str(), 0700);
    return dossier;
}

struct Mesure {
    std::string statut;
    double secondes;
    long memoireMo;
};

Mesure Lance(const std::string &dossier, int limite) {
    auto debut = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dossier.c_str()) != 0)
            _exit(120);
        int erreurs = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(erreurs, 2);
        int rien = open("/dev/null", O_WRONLY);
        dup2(rien, 1);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        execl("./programme", "programme", static_cast<char *>(nullptr));
        _exit(121);
    }
    int statut = 0;
    rusage usage = {};
    bool tue = false;
    while (wait4(pid, &statut, WNOHANG, &usage) == 0) {
        if (std::chrono::steady_clock::now() - debut > std::chrono::seconds(limite)) {
            kill(pid, SIGKILL);
            tue = true;
            wait4(pid, &statut, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::string texte = tue                 ? "runs"
                        : WIFEXITED(statut) ? std::to_string(WEXITSTATUS(statut))
                                            : "signal " + std::to_string(WTERMSIG(statut));
    return Mesure{texte, secondes, usage.ru_maxrss / 1024};
}

// The program's reason for refusing the image, if it gave one.
std::string Raison(const std::string &dossier) {
    std::ifstream f(dossier + "/stderr.txt");
    std::string ligne, raison;
    while (std::getline(f, ligne))
        if (ligne.rfind("plateau.bmp :", 0) == 0)
            raison = ligne.substr(14);
    return raison;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM [IMAGE_FOLDER] [LIMIT_SECONDS]\n", argv[0]);
        return 64;
    }
    char programme[PATH_MAX];
    if (!realpath(argv[1], programme)) {
        perror(argv[1]);
        return 1;
    }
    std::string source = argc > 2 ? argv[2] : ".";
    int limite = argc > 3 ? atoi(argv[3]) : 5;
    std::ifstream f(source + "/plateau.bmp", std::ios::binary);
    Octets original((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (original.size() < 100) {
        fprintf(stderr, "no plateau.bmp in %s\n", source.c_str());
        return 1;
    }
    printf("| variant | status | seconds | peak MB | reason given |\n|---|---|---|---|---|\n");
    for (const Variante &v : variantes) {
        std::string dossier = CopieDossier(source, programme);
        if (dossier.empty() || !v.fait(dossier + "/plateau.bmp", original)) {
            printf("| %s | not made here | | | |\n", v.nom);
            continue;
        }
        Mesure m = Lance(dossier, limite);
        printf("| %s | %s | %.2f | %ld | %s |\n", v.nom, m.statut.c_str(), m.secondes, m.memoireMo,
               Raison(dossier).c_str());
        fflush(stdout);
        std::string efface = "rm -rf '" + dossier + "'";
        if (system(efface.c_str()) != 0)
            fprintf(stderr, "cannot remove %s\n", dossier.c_str());
    }
}
