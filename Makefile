# The two commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: run test build deps asan fuzz bench package format clean

deps:
	@scripts/install-deps

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

run: build
	./build/release/src/vek

test: build
	ctest --preset release -j $(JOBS)
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: build
	./build/release/bench/vek-bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
