# make run            builds Merrowby and starts it (in a virtual X display when there is no display).
# make test           builds everything and runs the whole test suite.
# make test-sanitize  the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
# make bench          the benchmarks: painting, choosing a question, start-up against a bare window.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer-suppressions.txt \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: run test test-sanitize bench build deps clean

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)/app/merrowby

test: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMERROWBY_SANITIZE=address,undefined
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	$(SANITIZER_ENV) ctest --test-dir $(SANITIZE_BUILD) -j $(JOBS) --output-on-failure

bench: deps
	@scripts/install-deps.sh --with-bench
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERROWBY_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	@bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
