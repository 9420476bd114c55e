# Two commands on a fresh machine: `make demo` and `make test`.
# Both install what is missing (scripts/install-deps.sh), then build.

BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 60
# Warnings stop the project's own test builds only (FLUAC_WERROR).
WERROR ?= OFF
MAKEFLAGS += --no-print-directory

PREFIX ?= /usr/local

.PHONY: all deps build demo test unit sanitize fuzz builds install package bench clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DFLUAC_WERROR=$(WERROR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

demo test: WERROR = ON
demo: build
	@sh scripts/demo.sh $(BUILD)/fluac

# Every test of the normal build, then the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, then bounded runs of the translation and
# binding fuzzers, then Release and Debug builds from the same sources.
test: unit sanitize fuzz builds

unit: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DFLUAC_WERROR=$(WERROR) \
	    -DFLUAC_SANITIZE=address,undefined >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLUAC_FUZZ=ON \
	    -DFLUAC_WERROR=$(WERROR) -DFLUAC_TESTS=OFF -DFLUAC_SANITIZE=address,undefined >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target translate_fuzzer binding_fuzzer
	@sh scripts/fuzz.sh build-fuzz/fuzz/translate_fuzzer $(FUZZ_SECONDS)
	@sh scripts/fuzz_binding.sh build-fuzz/fuzz/binding_fuzzer $(FUZZ_SECONDS)

# The build types users and packagers choose, warnings as errors included.
builds: deps
	@for type in Release Debug; do \
	    dir=build-$$(echo $$type | tr A-Z a-z); \
	    cmake -S . -B $$dir -DCMAKE_BUILD_TYPE=$$type -DFLUAC_TESTS=OFF -DFLUAC_WERROR=$(WERROR) \
	        >/dev/null && cmake --build $$dir -j $(JOBS) >$$dir/build.log 2>&1 || \
	        { cat $$dir/build.log; echo "the $$type build failed"; exit 1; }; \
	    echo "$$type build: ok"; \
	done

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)/: fluac_VERSION_ARCH.deb
package: build
	@cd $(BUILD) && cpack >/dev/null && ls -1 $(CURDIR)/$(BUILD)/fluac_*.deb

# Times fluac against cat and fluid -c on large generated files (not part of test).
bench: build
	@BENCH_DIR=$${BENCH_DIR:-$(BUILD)/bench-files} bash bench/run.sh $(BUILD)/fluac $(BUILD)/fluac_gen

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-release build-debug
