# Quorlinth: the two set-up commands are `make run` and `make test`.
# Every target first installs what is missing (tools/install-deps).

SITE ?= $(CURDIR)/site
BUILD ?= build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 20
CMAKE_FLAGS ?=

.PHONY: all deps configure build run install-site test sanitize fuzz bench format clean

all: build

deps:
	@tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Installs the application into the site folder and starts it.
run: build install-site
	@tools/run-app "$(SITE)"

install-site: build
	@tools/install-site "$(BUILD)" "$(SITE)"

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	@cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQOR_SANITIZE=ON >/dev/null
	@cmake --build build-san -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	 LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	 ctest --test-dir build-san --output-on-failure -j $(JOBS)

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS.
fuzz: deps
	@CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQOR_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzzers
	@tools/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# Benchmarks: `make bench` runs them all, `bench/run NAME` one group.
bench: deps
	@bench/run

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) build-san build-fuzz build-bench
