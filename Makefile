# Quaderfall: the two commands are `make run` and `make test`.
BUILD     ?= build
SPIEL     ?= $(BUILD)/spiel
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
BUILDTYPE ?= RelWithDebInfo

.PHONY: run test deps build spielverzeichnis clean

run: build spielverzeichnis
	cd $(SPIEL) && SDL12COMPAT_SYNC_TO_VBLANK=$${SDL12COMPAT_SYNC_TO_VBLANK:-1} ../quaderfall

test: build spielverzeichnis
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

deps:
	tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILDTYPE)
	cmake --build $(BUILD) -j $(JOBS)

spielverzeichnis: build
	tools/spielverzeichnis.sh $(BUILD) $(SPIEL)

clean:
	rm -rf $(BUILD)
