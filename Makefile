# The README's commands: `make run`, `make test`, `make dist` and `make bench`.
NATIVE := build/native
WIN := build/win
DIST := build/dist
JOBS ?= 2

.PHONY: setup native win dist unit e2e test run bench

setup:
	tools/setup

native: setup
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(NATIVE) -j$(JOBS)

# The Windows tree: cross-compiled, with the libraries tools/setup built and the
# generators of the native tree.
win: native
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_PREFIX_PATH=$(CURDIR)/build/deps -DKADREX_HOST_TOOLS=$(CURDIR)/$(NATIVE)/tools >/dev/null
	cmake --build $(WIN) -j$(JOBS)

# The finished program, without its symbols.
dist: win
	mkdir -p $(DIST)
	x86_64-w64-mingw32-strip -o $(DIST)/Kadrex.exe $(WIN)/src/Kadrex.exe

unit: native
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)

# Kadrex.exe driven under Wine on a virtual display.
e2e: dist
	tools/run-e2e $(WIN) $(DIST)/Kadrex.exe

# The end-to-end suite mostly waits on Wine, so the short fuzz run shares its time.
test: unit asan
	$(MAKE) --no-print-directory -j2 fuzz-short e2e

run: dist
	@if [ -n "$$DISPLAY" ]; then tools/wine-env $(WIN) wine $(DIST)/Kadrex.exe; else \
	  echo "make run: no display (DISPLAY is not set); set DISPLAY, or run 'xvfb-run -a make run' for a virtual one"; fi

bench: native
	$(NATIVE)/bench/kadrex-bench $(NATIVE)/bench $(if $(RUNS),--runs $(RUNS))

# The unit tests under AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN := build/asan
# -O1 without debug information: half the build time of an optimised debug build, and the
# reports still name every function.
SANITIZE := -O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

# libFuzzer targets (clang): `make fuzz` runs each FUZZ_SECONDS on its growing corpus;
# `make test` runs each for FUZZ_SHORT_SECONDS, so that a new crash fails the build.
FUZZ := build/fuzz
FUZZ_SECONDS ?= 60
FUZZ_SHORT_SECONDS ?= 10

.PHONY: asan fuzz fuzz-short

asan: setup
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=None "-DCMAKE_C_FLAGS=$(SANITIZE)" \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE)" >/dev/null
	cmake --build $(ASAN) -j$(JOBS) --target kadrex_unit_tests
	$(ASAN)/tests/kadrex_unit_tests --gtest_brief=1

fuzz: setup
	JOBS=$(JOBS) tools/run-fuzz $(FUZZ) $(FUZZ_SECONDS)

fuzz-short: setup
	JOBS=$(JOBS) tools/run-fuzz $(FUZZ) $(FUZZ_SHORT_SECONDS)

.PHONY: bench-memory

bench-memory: native
	$(NATIVE)/bench/kadrex-batch-memory $(NATIVE)/bench
