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

test: unit e2e

run: dist
	@if [ -n "$$DISPLAY" ]; then tools/wine-env $(WIN) wine $(DIST)/Kadrex.exe; else \
	  echo "make run: no display (DISPLAY is not set); set DISPLAY, or run 'xvfb-run -a make run' for a virtual one"; fi

bench: native
	$(NATIVE)/bench/kadrex-bench $(NATIVE)/bench $(if $(RUNS),--runs $(RUNS))
