# Velmora: the two commands a user needs, plus the benchmarks and packaging.
#   make run    build a Release build and start the chart
#   make windows   cross-build Velmora.exe for 64-bit and 32-bit Windows
#   make test   build a sanitized Debug build and run the whole test suite
#   make bench  build a Release build and run the benchmarks
#   make memcheck  run a whole session under valgrind's memcheck
#   make package   build the Debian package, the RPM and the Windows installer
#   make reproduce build the release twice and check that the files are the same
#   make distros   install the .deb on Debian 12 and 13 and see Debian 11 refuse it
#   make screenshots   the README's pictures of both programs, docs/screenshot-*.png

GENERATOR := Ninja
RELEASE := build/release
DEBUG := build/debug

.PHONY: deps run test bench memcheck package reproduce distros screenshots resources release release-tree windows debug runtime

deps:
	@scripts/install-deps

release-tree: deps
	@cmake -S . -B $(RELEASE) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=ON >/dev/null

release: release-tree
	@cmake --build $(RELEASE)

# Velmora.exe, cross-built with MinGW-w64 beside the Qt program: for 64-bit
# Windows, and for 32-bit Windows.
windows: release-tree
	@cmake --build $(RELEASE) --target velmora-windows-programs
	@echo "Velmora.exe for 64-bit Windows: $(RELEASE)/windows/Velmora.exe"
	@echo "Velmora.exe for 32-bit Windows: $(RELEASE)/windows32/Velmora.exe"

debug: deps
	@cmake -S . -B $(DEBUG) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON -DVELMORA_BENCH=ON >/dev/null
	@cmake --build $(DEBUG)

run: release-tree
	@cmake --build $(RELEASE) --target velmora
	$(RELEASE)/velmora

test: debug
	@cd $(DEBUG) && ctest --output-on-failure -j2

# The benchmarks and the memory check run with a private runtime directory,
# as a desktop session gives its programs.
RUNTIME := $(CURDIR)/build/runtime
runtime:
	@mkdir -p $(RUNTIME) && chmod 0700 $(RUNTIME)

bench: release runtime
	XDG_RUNTIME_DIR=$(RUNTIME) $(RELEASE)/bench/model_bench
	XDG_RUNTIME_DIR=$(RUNTIME) $(RELEASE)/bench/startup_bench
	XDG_RUNTIME_DIR=$(RUNTIME) $(RELEASE)/bench/pick_to_repaint_bench
	@if [ -x $(RELEASE)/bench/wine_startup_bench ]; then \
	  echo XDG_RUNTIME_DIR=$(RUNTIME) $(RELEASE)/bench/wine_startup_bench; \
	  XDG_RUNTIME_DIR=$(RUNTIME) $(RELEASE)/bench/wine_startup_bench; fi

# The memory check alone (make test runs it too): a whole session under
# valgrind's memcheck, from a build without sanitizers.
memcheck: deps runtime
	@XDG_RUNTIME_DIR=$(RUNTIME) tests/memcheck/run_memcheck.sh $(CURDIR) $(CURDIR)/build/memcheck

# The Debian package, build/release/velmora_<version>_<arch>.deb, the RPM,
# build/release/velmora-<version>-1.<arch>.rpm, and the Windows installers,
# build/release/Velmora-<version>-win64.exe and -win32.exe (part of the
# default build, which the package target builds first), and
# build/release/SHA256SUMS of them and of windows/Velmora.exe and
# windows32/Velmora.exe. Signed where keys are given (README, "For
# packagers").
package: release
	@cmake --build $(RELEASE) --target package
	@cmake --build $(RELEASE) --target velmora-checksums

# Two builds of the current commit in two other folders, compared file by
# file (scripts/reproduce).
reproduce: deps
	@scripts/reproduce

# The Debian package installed as a user installs it, started and removed
# on Debian 12 and 13, and refused by Debian 11, in minimal chroots made once
# in build/distros (scripts/distros). Needs root and Debian's archive.
distros: package
	@scripts/install-deps distros
	@scripts/distros $(RELEASE)

# The README's pictures, taken of the Release build's programs on a test
# desktop (scripts/screenshots).
screenshots: release
	@scripts/screenshots $(RELEASE)

# Redraws the committed fretboard pictures.
resources: debug
	@cmake --build $(DEBUG) --target regenerate-fretboard
