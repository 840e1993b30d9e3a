# make run   installs what is missing, builds Kaminor and starts it.
# make test  installs what is missing, builds, and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build setup setup-test configure sanitize bench

run: setup build
	./$(BUILD)/bin/kaminor

test: setup-test build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

setup:
	./scripts/setup.sh

setup-test:
	./scripts/setup.sh --test

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The whole suite again in an AddressSanitizer + UndefinedBehaviorSanitizer build
# (build-sanitize/). Leak reports are off: the platform libraries keep their caches.
sanitize: setup-test
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKAMINOR_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The benchmarks against an optimised build (build-bench/), printed as one table.
bench: setup-test
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench -j $(JOBS)
	./bench/run.sh build-bench
