# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a player or a maintainer needs on a fresh Debian machine:
#   make run     installs what is missing, builds the programs, draws the images, starts ok_fr
#   make test    the same set-up, then builds and runs every test, normal and sanitized builds
# `make run-en` starts the English program; `make deb` makes the Debian package;
# `make fuzz` builds the image loader's fuzz target (run by hand, see README).

BUILD      ?= build
BUILD_SAN  ?= build-asan
BUILD_FUZZ ?= build-fuzz
PAQUET     ?= $(BUILD)/paquet
TYPE       ?= RelWithDebInfo
WERROR     ?= OFF
CMAKE_ARGS  = -G Ninja -DFLIPORA_WERROR=$(WERROR)
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CONFIGURE   = cmake -S . -B $(BUILD) $(CMAKE_ARGS) -DCMAKE_BUILD_TYPE=$(TYPE)

.PHONY: all deps build programmes run run-en test test-normal test-sanitizers deb fuzz clean

all: build

deps:
	@sh outils/installe-paquets.sh jeu tests

build: deps
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS)

# A player pays for the game alone: no test suite, gallery or benchmark.
programmes:
	@sh outils/installe-paquets.sh jeu
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS) --target ok_fr ok_en

run: programmes
	cd $(BUILD) && ./ok_fr

run-en: programmes
	cd $(BUILD) && ./ok_en

test: test-normal test-sanitizers

test-normal: build
	cd $(BUILD) && ctest --output-on-failure --no-tests=error -j $(JOBS)

# The smoke tests drive the real programs in an X server; they run once, in
# the normal build, but for the one that checks how the sanitized programs end.
test-sanitizers: deps
	cmake -S . -B $(BUILD_SAN) $(CMAKE_ARGS) -DCMAKE_BUILD_TYPE=Debug -DFLIPORA_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ctest --output-on-failure --no-tests=error -j $(JOBS) -E '^smoke_'
	cd $(BUILD_SAN) && ctest --output-on-failure --no-tests=error -R '^smoke_sortie$$'

# A stripped Release build of its own with Debian's hardening flags,
# installed under /usr, where the programs' compiled-in data folder then
# points; then Debian's own checker, whose errors and warnings fail the
# target. The desktop's validators check the entry and the metainfo first.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
deb:
	@sh outils/installe-paquets.sh jeu paquet
	desktop-file-validate jeu/installation/org.flipora.Flipora.desktop
	appstreamcli validate --no-net jeu/installation/org.flipora.Flipora.metainfo.xml
	cmake -S . -B $(PAQUET) $(CMAKE_ARGS) -DCMAKE_BUILD_TYPE=Release \
		-DFLIPORA_TESTS=OFF -DFLIPORA_PAQUET=ON -DCMAKE_INSTALL_PREFIX=/usr \
		-DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)"
	cmake --build $(PAQUET) -j $(JOBS)
	rm -f $(BUILD)/flipora_*.deb
	cd $(PAQUET) && cpack -D CPACK_OUTPUT_FILE_PREFIX=$(abspath $(BUILD))
	lintian --fail-on error,warning --display-info $(BUILD)/flipora_*.deb
	@ls $(BUILD)/flipora_*.deb

# The image loader's fuzz target in a clang build of its own, with its seed
# corpus; never run by `make test`.
fuzz:
	@sh outils/installe-paquets.sh jeu fuzz
	cmake -S . -B $(BUILD_FUZZ) $(CMAKE_ARGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DFLIPORA_FUZZ=ON
	cmake --build $(BUILD_FUZZ) -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
