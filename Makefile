# The two commands of the README: `make run` and `make test`. Both install
# what is missing first (scripts/setup).
JOBS ?= 2
PRESETS := host win64 win32

.PHONY: run test setup build $(addprefix build-,$(PRESETS)) installer-win32 bench fuzz clean

setup:
	@./scripts/setup

$(addprefix build-,$(PRESETS)): build-%: setup
	cmake --preset $* >/dev/null
	cmake --build build/$* -j $(JOBS)

build: $(addprefix build-,$(PRESETS))

# The shipped 32-bit installer alone.
installer-win32: setup
	cmake --preset win32 >/dev/null
	cmake --build build/win32 -j $(JOBS) --target installer

run: build-win64
	./scripts/run-installer build/win64/bin/installer.exe

test: build
	ctest --test-dir build/host -j $(JOBS) --output-on-failure
	./scripts/wine-run cmd /c exit 0 >/dev/null 2>&1 || true
	ctest --test-dir build/win64 --output-on-failure

# Extraction speed and memory against unzip, bsdtar and 7z (docs/benchmarks.md).
BENCH_REPS ?= 5
bench: setup
	cmake --preset host-release >/dev/null
	cmake --build build/host-release -j $(JOBS) --target extract-zip
	python3 bench/make_archives.py build/bench
	python3 bench/run_bench.py --extract-zip build/host-release/bin/extract-zip \
	  --archives build/bench --repetitions $(BENCH_REPS) --report docs/benchmarks.md

# The fuzz target for a given time (default ten minutes).
FUZZ_SECONDS ?= 600
fuzz: setup
	./scripts/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build/host build/win64 build/win32 build/wineprefix
