# Two commands on a fresh machine: `make demo` and `make test`.
# Both install what is missing (scripts/install-deps.sh), then build.

BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 60
MAKEFLAGS += --no-print-directory

PREFIX ?= /usr/local

.PHONY: all deps build demo test unit sanitize fuzz install package bench clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@sh scripts/demo.sh $(BUILD)/fluac

# Every test of the normal build, then the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, then a bounded fuzzing run.
test: unit sanitize fuzz

unit: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DFLUAC_SANITIZE=address,undefined >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLUAC_FUZZ=ON \
	    -DFLUAC_TESTS=OFF -DFLUAC_SANITIZE=address,undefined >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target translate_fuzzer
	@sh scripts/fuzz.sh build-fuzz/fuzz/translate_fuzzer $(FUZZ_SECONDS)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)/: fluac_VERSION_ARCH.deb
package: build
	@cd $(BUILD) && cpack >/dev/null && ls -1 $(CURDIR)/$(BUILD)/fluac_*.deb

# Times fluac against cat and fluid -c on large generated files (not part of test).
bench: build
	@BENCH_DIR=$${BENCH_DIR:-$(BUILD)/bench-files} bash bench/run.sh $(BUILD)/fluac $(BUILD)/fluac_gen

clean:
	rm -rf $(BUILD) build-asan build-fuzz
