# make run            builds Merrowby and starts it (in a virtual X display when there is no display).
# make test           builds everything and runs the whole test suite.
# make test-sanitize  the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
# make test-clang     the same suite built with Clang (installs clang when missing).
# make bench          the benchmarks: painting, choosing a question, start-up against bare windows.
# make bench-build    builds the benchmarks without running them.
# Each target first installs what is missing (scripts/install-deps.sh), unless MERROWBY_SKIP_DEPS
# is set by a caller that has done so already. CMAKE_FLAGS go to every configuration, e.g.
# CMAKE_FLAGS=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON as CI passes.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
BENCH_BUILD ?= build-bench
CLANG_BUILD ?= build-clang
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer-suppressions.txt \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: run test test-sanitize test-clang bench bench-build build deps clean

deps:
ifndef MERROWBY_SKIP_DEPS
	@scripts/install-deps.sh $(DEPS_OPTIONS)
endif

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)

test: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMERROWBY_SANITIZE=address,undefined $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	$(SANITIZER_ENV) ctest --test-dir $(SANITIZE_BUILD) -j $(JOBS) --timeout 300 --output-on-failure

test-clang: DEPS_OPTIONS = --with-clang
test-clang: deps
	cmake -S . -B $(CLANG_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ $(CMAKE_FLAGS)
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	ctest --test-dir $(CLANG_BUILD) -j $(JOBS) --output-on-failure

# In a build directory of its own, so that a later `make test` finds build/ as it left it.
bench-build: DEPS_OPTIONS = --with-bench
bench-build: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERROWBY_BENCH=ON -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target merrowby_benchmarks

bench: DEPS_OPTIONS = --with-bench
bench: bench-build
	@bench/run.sh $(BENCH_BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(CLANG_BUILD) $(BENCH_BUILD)
