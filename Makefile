# Quaderfall: the two commands are `make run` and `make test`.
BUILD     ?= build
PREFIX    ?= /usr/local
SPIEL     ?= $(BUILD)/spiel
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
BUILDTYPE ?= RelWithDebInfo
SANBUILD  ?= build-asan
# Seconds each fuzz target runs in `make test` and in `make fuzz-lang`.
FUZZZEIT  ?= 6
FUZZLANG  ?= 300

.PHONY: run test test-normal test-sanitizer test-fuzz fuzz-lang san-build deps deps-spiel spiel build \
	spielverzeichnis clean install uninstall deb bildschirmfotos bench dauerlauf

# Playing needs only the game and its data: neither the test packages nor the tests are built.
run: spiel spielverzeichnis
	cd $(SPIEL) && SDL12COMPAT_SYNC_TO_VBLANK=$${SDL12COMPAT_SYNC_TO_VBLANK:-1} ../quaderfall

test: test-normal test-sanitizer test-fuzz

test-normal: build spielverzeichnis
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# One clang tree for the sanitizer run (ASan + UBSan + LeakSanitizer) and the
# fuzz targets (libFuzzer needs clang). The tests carry their sanitizer options
# themselves (tests/CMakeLists.txt), so ctest in that tree needs nothing more;
# it takes the pictures and sounds from the normal tree instead of generating
# them again.
san-build: build
	cmake -S . -B $(SANBUILD) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-g -O1" -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
		-DQF_FUZZ=ON -DQF_DATEN_VON=$(abspath $(BUILD))/daten
	cmake --build $(SANBUILD) -j $(JOBS)

test-sanitizer: san-build
	cd $(SANBUILD) && ctest --output-on-failure -j $(JOBS)

test-fuzz: san-build
	tests/fuzz/fuzz.sh $(SANBUILD) $(FUZZZEIT)

fuzz-lang: san-build
	tests/fuzz/fuzz.sh $(SANBUILD) $(FUZZLANG)

deps-spiel:
	tools/install-deps.sh spiel

deps:
	tools/install-deps.sh spiel test

# The game and its data; a tree that `make test` configured keeps its tests.
spiel: deps-spiel
	[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILDTYPE) -DQF_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS) --target quaderfall daten

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILDTYPE) -DQF_TESTS=ON
	cmake --build $(BUILD) -j $(JOBS)

spielverzeichnis: spiel
	tools/spielverzeichnis.sh $(BUILD) $(SPIEL)

# Installation (the launcher `quaderfall` lands in $(PREFIX)/games) and its removal.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	tools/deinstallieren.sh $(BUILD)/install_manifest.txt

# The Debian packages in $(BUILD)/deb, checked with lintian.
deb: deps
	tools/deb-bauen.sh . $(BUILD)/deb
	lintian --fail-on error,warning $(BUILD)/deb/quaderfall_*.changes

# The README's screenshots from the real game (docs/bilder).
bildschirmfotos: build
	tools/bildschirmfotos.sh $(BUILD) docs/bilder

# The benchmark table (bench/); BENCH_VERGLEICH="<commit> ..." adds a column for
# each, built in $(BUILD)-vergleich/; BENCH_RUNDEN runs each binary that often.
BENCH_VERGLEICH ?=
BENCH_RUNDEN    ?= 3
bench: build
	JOBS=$(JOBS) bench/messen.sh $(BUILD) "$(BENCH_VERGLEICH)" $(BENCH_RUNDEN)

# The soak test for 5 virtual minutes a phase (QF_DAUER seconds); `make test` runs it for 120.
QF_DAUER ?= 300
dauerlauf: build
	cd $(BUILD) && QF_DAUER=$(QF_DAUER) ctest -R soak_dauerlauf --output-on-failure

clean:
	rm -rf $(BUILD) $(SANBUILD) $(BUILD)-vergleich
	git worktree prune 2>/dev/null || true
