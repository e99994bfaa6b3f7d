# SPDX-License-Identifier: MIT
# The two commands: `make run` builds and starts the viewer, `make test` builds
# everything and runs every test. Both install missing Debian packages first.

JOBS ?= $(shell nproc)
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
# Warnings fail the build on CI.
WERROR ?= $(if $(CI),ON,OFF)
XVFB := xvfb-run -a -s "-screen 0 1600x1200x24"

.PHONY: all deps build run test test-core test-gui test-sanitize bench package clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRISKO_WERROR=$(WERROR)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run-viewer $(BUILD)/bin/veltrisko

test: test-core test-gui test-sanitize
	@echo "All test suites passed."

test-core: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE gui

test-gui: build
	cd $(BUILD) && $(XVFB) ctest --output-on-failure -L gui

test-sanitize: deps
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	  -DVELTRISKO_CORE_ONLY=ON -DVELTRISKO_SANITIZE=ON -DVELTRISKO_FUZZ=ON \
	  -DVELTRISKO_WERROR=$(WERROR)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/veltrisko-bench

# The Debian package: $(BUILD)/veltrisko_<version>_amd64.deb.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
