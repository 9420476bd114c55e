# Two commands on a fresh machine: `make demo` and `make test`.
# Both install what is missing (scripts/install-deps.sh), then build.

BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps build demo test unit clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@sh scripts/demo.sh $(BUILD)/fluac

# Every test of the normal build.
unit: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test: unit

clean:
	rm -rf $(BUILD)
