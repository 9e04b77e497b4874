# Thin wrapper over CMake presets: `make demo`, `make test`, `make bench`, `make python`.
SHELL := /bin/bash
DEB_PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
                nlohmann-json3-dev libcli11-dev libeigen3-dev clang libclang-rt-14-dev clang-format clang-tidy \
                pybind11-dev python3-dev python3-pytest
# The browser the book test renders in, and a CJK font for the reports; the test skips without them.
BOOK_PACKAGES := chromium fonts-wqy-zenhei
JOBS ?= 2
# Warnings are errors in CI (CI=true) and wherever WERROR=ON is given.
WERROR ?= $(if $(CI),ON,OFF)
CMAKE_FLAGS := -DTK_WERROR=$(WERROR)

.PHONY: all deps deps-book build python demo test test-fast test-asan test-fuzz fuzz bench format format-check lint clean

all: build

deps:
	@missing=""; for p in $(DEB_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    export DEBIAN_FRONTEND=noninteractive; \
	    apt-get update -qq && apt-get install -y -qq $$missing >/dev/null; \
	  else \
	    echo "Please install these Debian packages:$$missing"; \
	    echo "  sudo apt-get install$$missing"; exit 1; \
	  fi; \
	fi

# Optional: the book's browser test. Installs as root, or says what to install; never fails.
deps-book:
	@missing=""; for p in $(BOOK_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    export DEBIAN_FRONTEND=noninteractive; \
	    (apt-get update -qq && apt-get install -y -qq $$missing >/dev/null) || \
	      echo "Could not install$$missing: the book's browser test will be skipped"; \
	  else \
	    echo "For the book's browser test: sudo apt-get install$$missing"; \
	  fi; \
	fi

build: deps
	cmake --preset default $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset default -j $(JOBS)

# The Python module: build/python/tavrine_kalbex (PYTHONPATH=build/python python3 -c 'import tavrine_kalbex').
python: deps
	cmake --preset default $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset default -j $(JOBS) --target _tavrine_kalbex

demo: build
	./build/cli/kalbex demo

# The test runs print a short summary; the full CTest output is in the build folder's ctest.log.
test-fast: build
	@bash tools/ctest_summary.sh build ctest --preset default -j $(JOBS)

test-asan: deps
	cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  bash tools/ctest_summary.sh build-asan ctest --preset asan -j $(JOBS)

# libFuzzer targets (clang, sanitizers): the result-file readers, the text helpers and the
# `kalbex run` path. `make test` runs each for a fixed number of inputs, `make fuzz` for a time.
test-fuzz: deps
	bash fuzz/run_fuzz.sh runs $(FUZZ_RUNS)

fuzz: deps
	bash fuzz/run_fuzz.sh seconds $(FUZZ_SECONDS)

FUZZ_RUNS ?= 20000
FUZZ_SECONDS ?= 600

test: lint test-fuzz test-fast test-asan

bench: deps
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_min_time=0.2; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Fails on any difference from the house clang-format style.
format-check: deps
	@clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h') && echo "format: clean"

# House limits on the library's functions: at most 120 lines, cognitive complexity at most 40.
lint: format-check build
	@python3 tools/function_lengths.py --top 3
	@JOBS=$(JOBS) bash tools/complexity.sh build

clean:
	rm -rf build build-asan build-bench build-fuzz
