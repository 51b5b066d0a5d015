# make run   builds Merrowby and starts it (in a virtual X display when there is no display).
# make test  builds everything and runs the whole test suite.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps clean

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

clean:
	rm -rf $(BUILD)
