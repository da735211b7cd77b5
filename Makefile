# Velmora: the two commands a user needs, plus the benchmarks and packaging.
#   make run    build a Release build and start the chart
#   make test   build a sanitized Debug build and run the whole test suite
#   make bench  build a Release build and run the benchmarks

GENERATOR := Ninja
RELEASE := build/release
DEBUG := build/debug

.PHONY: deps run test bench resources release debug

deps:
	@scripts/install-deps

release: deps
	@cmake -S . -B $(RELEASE) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=ON >/dev/null
	@cmake --build $(RELEASE)

debug: deps
	@cmake -S . -B $(DEBUG) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON >/dev/null
	@cmake --build $(DEBUG)

run: release
	$(RELEASE)/velmora

test: debug
	@cd $(DEBUG) && ctest --output-on-failure -j2

bench: release
	$(RELEASE)/bench/model_bench

# Redraws the committed fretboard pictures.
resources: debug
	@cmake --build $(DEBUG) --target regenerate-fretboard
