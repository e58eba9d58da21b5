# The two commands of the README: `make run` and `make test`.
NATIVE := build/native
JOBS ?= 2

.PHONY: setup native test bench

setup:
	tools/setup

native: setup
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(NATIVE) -j$(JOBS)

test: native
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)

bench: native
	$(NATIVE)/bench/kadrex-bench $(NATIVE)/bench $(if $(RUNS),--runs $(RUNS))
