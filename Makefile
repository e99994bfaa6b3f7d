# SPDX-License-Identifier: MIT
# The two commands: `make run` builds and starts the viewer, `make test` builds
# everything and runs every test. Both install missing Debian packages first.
# For daily work, `make check` builds and runs the fast tier: the unit, render,
# Python module and command-line tests and the house checks, without GUI,
# sanitizer or Wine.

JOBS ?= $(shell nproc)
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
WINDOWS_BUILD ?= build-windows
WEB_BUILD ?= build-web
# Debian's emscripten runs its JavaScript tools with the node on PATH, which
# finds their modules only through NODE_PATH when it is not Debian's own.
WEB_ENV := NODE_PATH=/usr/share/nodejs
VERSION := $(shell grep -o -m1 'Veltrisko VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)
WINDOWS_ZIP := veltrisko-$(VERSION)-win64.zip
WINDOWS_MSI := veltrisko-$(VERSION)-x64.msi
# The browser page that the Debian package, the zip and the installer ship.
WEB_PAGE := $(abspath $(WEB_BUILD))/veltrisko.html
WINE_RUN := scripts/wine-run --prefix $(abspath $(WINDOWS_BUILD))/wine-prefix
# Warnings fail the build on CI.
WERROR ?= $(if $(CI),ON,OFF)
XVFB := xvfb-run -a -s "-screen 0 1600x1200x24"
# make fuzz-long: seconds per fuzz target. make soak: actions and seed.
FUZZ_SECONDS ?= 600
SOAK_BUILD ?= build-soak
SOAK_ACTIONS ?= 10000
SOAK_SEED ?= 1

.PHONY: all deps build run test test-core test-gui test-sanitize test-soak test-windows \
	sanitize-build fuzz-long soak soak-windows windows windows-build bench package clean \
	web test-web

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRISKO_WERROR=$(WERROR) \
	  -DVELTRISKO_WEB_PAGE=$(WEB_PAGE)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run-viewer $(BUILD)/bin/veltrisko

# The GUI and page tests, the soak and the Windows suite mostly wait for their
# windows, so the Windows tree is built beside the first three and the
# sanitizer tree beside the last, at the lowest priority, where they take
# only the idle cores.
test: build web
	$(MAKE) -j2 --output-sync=target test-native windows-build NICE="nice -n 19"
	$(MAKE) -j2 --output-sync=target test-windows sanitize-build NICE="nice -n 19"
	$(MAKE) test-sanitize
	@echo "All test suites passed."

# The suites of the native tree and the page and the soak, one after the other.
.PHONY: test-native
test-native: build web
	$(MAKE) test-core
	$(MAKE) test-gui
	$(MAKE) test-web
	$(MAKE) test-soak

# The fast tier: what `make test-core` runs but the Debian package's and the
# documentation's tests.
.PHONY: check
check: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE 'gui|packaging'

# The package's tests install the browser page too.
test-core: build web
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE gui

# Each GUI test has an X server of its own (scripts/own-display): side by side.
# As with the Windows tests, a failing one runs once more (its first failure
# stays in the log): under load a window manager has now and then been late.
test-gui: build
	cd $(BUILD) && $(XVFB) ctest --output-on-failure -j $(JOBS) --repeat until-pass:2 -L gui

sanitize-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	  -DVELTRISKO_CORE_ONLY=ON -DVELTRISKO_SANITIZE=ON -DVELTRISKO_FUZZ=ON \
	  -DVELTRISKO_WERROR=$(WERROR)
	$(NICE) cmake --build $(SANITIZE_BUILD) -j $(JOBS)

test-sanitize: sanitize-build
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS each, two at a time on two cores.
fuzz-long: sanitize-build
	cd $(SANITIZE_BUILD) && FUZZ_SECONDS=$(FUZZ_SECONDS) ctest -L fuzz --output-on-failure -j $(JOBS)

# A short seeded soak of the viewer under Xvfb and openbox.
test-soak: build
	python3 scripts/gui-soak --viewer $(BUILD)/bin/veltrisko --actions 200 --seed 1

# The long soak, on a viewer built with AddressSanitizer and UBSan.
soak: deps
	CC=clang CXX=clang++ cmake -S . -B $(SOAK_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVELTRISKO_SANITIZE=ON -DVELTRISKO_BENCH=OFF -DVELTRISKO_WERROR=$(WERROR)
	cmake --build $(SOAK_BUILD) -j $(JOBS) --target veltrisko
	python3 scripts/gui-soak --viewer $(SOAK_BUILD)/bin/veltrisko --actions $(SOAK_ACTIONS) \
	  --seed $(SOAK_SEED)

# The long soak of the Windows viewer under Wine.
soak-windows: windows-build
	python3 scripts/gui-soak-windows --viewer $(WINDOWS_BUILD)/bin/veltrisko.exe \
	  --actions $(SOAK_ACTIONS) --seed $(SOAK_SEED)

# The Windows programs, cross-built with mingw-w64; their tests run under Wine
# and compare the Windows programs' answers with the Linux ones.
$(WINDOWS_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DVELTRISKO_WERROR=$(WERROR) \
	  -DVELTRISKO_LINUX_BUILD=$(abspath $(BUILD)) -DVELTRISKO_WEB_PAGE=$(WEB_PAGE)

windows-build: deps web $(WINDOWS_BUILD)/CMakeCache.txt
	$(NICE) cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# A Windows GUI test that fails under Wine is run once more (its first failure stays
# in the log). Each GUI test has a display and a prefix of its own and mostly waits
# for its windows, so four run at once on two cores; the soak runs alone.
WINDOWS_TEST_JOBS ?= 4
test-windows: build windows-build
	cd $(WINDOWS_BUILD) && $(XVFB) ctest --output-on-failure -j $(WINDOWS_TEST_JOBS) --repeat until-pass:2 -LE unsettled; \
	  status=$$?; cd $(CURDIR) && $(WINE_RUN) --stop; exit $$status

# The zip for Windows users: both programs, the user guide in English and
# German with its pictures, the README, the licence and the browser page; beside
# it the Windows Installer package with the same files, which the Windows build
# makes (packaging/windows).
windows: windows-build
	rm -rf $(WINDOWS_BUILD)/zip && mkdir -p $(WINDOWS_BUILD)/zip
	cp -r $(addprefix $(WINDOWS_BUILD)/bin/,veltrisko.exe veltrisko-pattern.exe user-guide.html user-guide.de.html docs) \
	  README.md $(wildcard LICENSE) $(WEB_PAGE) $(WINDOWS_BUILD)/zip/
	x86_64-w64-mingw32-strip $(WINDOWS_BUILD)/zip/*.exe
	rm -f $(WINDOWS_ZIP) && cd $(WINDOWS_BUILD)/zip && zip -q -X -r $(CURDIR)/$(WINDOWS_ZIP) .
	cp $(WINDOWS_BUILD)/$(WINDOWS_MSI) $(WINDOWS_MSI).tmp && mv $(WINDOWS_MSI).tmp $(WINDOWS_MSI)
	@echo "Wrote $(WINDOWS_ZIP) and $(WINDOWS_MSI)"

# The command-line tool compiled to WebAssembly for Node,
# $(WEB_BUILD)/veltrisko-pattern.js; its tests compare it with the native tool.
$(WEB_BUILD)/CMakeCache.txt: | deps
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DVELTRISKO_WERROR=$(WERROR) -DVELTRISKO_NATIVE_BUILD=$(abspath $(BUILD))

web: deps $(WEB_BUILD)/CMakeCache.txt
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target veltrisko-pattern veltrisko-html

test-web: build web
	cd $(WEB_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/veltrisko-bench

# The Debian package: $(BUILD)/veltrisko_<version>_amd64.deb.
package: build web
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(SOAK_BUILD) $(WINDOWS_BUILD) $(WEB_BUILD) $(WINDOWS_ZIP) \
	  $(WINDOWS_MSI)
