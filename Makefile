# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)
# Seconds per fuzz target: `make fuzz` runs, and the smoke run inside `make test`.
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 5

.PHONY: run test build deps asan fuzz fuzz-build bench bench-startup bench-batch bench-strata package format tidy clean

deps:
	@scripts/install-deps

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

run: build
	./build/release/src/vek

test: build
	scripts/check-format
	ctest --preset release -j $(JOBS)
	JOBS=$(JOBS) scripts/tidy build/release
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

bench: build
	./build/release/bench/vek-bench
	./build/release/bench/vek-explore-bench

fuzz-build: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz --target vek-fuzzers -j $(JOBS)

fuzz: fuzz-build
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run build/fuzz

# Launch-to-visible time, peak memory and CPU time of the real program against a one-label Qt
# window and galculator, under Xvfb, in three rounds.
bench-startup: build
	@scripts/install-deps bench
	bench/startup ./build/release/src/vek ./build/release/bench/vek-floor-window

# vek-calc on a million-row batch against R on the same file, and two million-point sweeps.
bench-batch: build
	@scripts/install-deps bench
	bench/batch ./build/release/src/cli/vek-calc

# vek-calc on a file of 100 000 strata, for each way of fixing the total.
bench-strata: build
	@scripts/install-deps bench
	bench/strata ./build/release/src/cli/vek-calc

# A Debian package of the release build: build/release/vek_<version>_<arch>.deb.
package: build
	cd build/release && cpack

tidy: build
	JOBS=$(JOBS) scripts/tidy build/release

format:
	@find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format-14 -i

clean:
	rm -rf build
