# make run   installs what is missing, builds Kaminor and starts it.
# make test  installs what is missing, builds, and runs every test, then the
#            whole suite again under the sanitizers (make sanitize).
BUILD ?= build
JOBS ?= $(shell nproc)
# The sanitizer build: clang, AddressSanitizer + UndefinedBehaviorSanitizer, fuzz targets.
SANITIZE_BUILD ?= build-sanitize
# Seconds each fuzz target runs in make fuzz.
FUZZ_TIME ?= 300
FUZZ_TARGETS ?= prefsfile codec versionreply fractexte mailto

.PHONY: run test build setup setup-test configure sanitize sanitize-build fuzz bench

run: setup build
	./$(BUILD)/bin/kaminor

test: setup-test build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory sanitize

setup:
	./scripts/setup.sh

setup-test:
	./scripts/setup.sh --test

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The whole suite again in an AddressSanitizer + UndefinedBehaviorSanitizer build
# made with clang ($(SANITIZE_BUILD)/), the fuzz targets' short runs included.
# Leak reports are off for the Qt tests (the platform libraries keep their
# caches); the fuzz targets turn them on for themselves.
sanitize: setup-test sanitize-build
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# A folder first configured with another compiler is configured anew.
sanitize-build:
	@if [ -f $(SANITIZE_BUILD)/CMakeCache.txt ] && \
	    ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' $(SANITIZE_BUILD)/CMakeCache.txt; then \
		rm -rf $(SANITIZE_BUILD)/CMakeCache.txt $(SANITIZE_BUILD)/CMakeFiles; fi
	CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
		-DKAMINOR_SANITIZE=ON -DKAMINOR_FUZZ=ON -DKAMINOR_BUILD_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# Each fuzz target for FUZZ_TIME seconds, JOBS at a time, over a working corpus
# that grows from run to run ($(SANITIZE_BUILD)/fuzz-work/<name>/corpus, seeded from
# tests/fuzz/corpus/<name>/). A crashing input is left as crash-* beside it.
fuzz: setup-test sanitize-build
	printf '%s\n' $(FUZZ_TARGETS) | xargs -P $(JOBS) -I NAME tests/fuzz/run_fuzz.sh \
		$(SANITIZE_BUILD)/fuzz/fuzz_NAME tests/fuzz/corpus/NAME $(SANITIZE_BUILD)/fuzz-work/NAME $(FUZZ_TIME)

# The benchmarks against an optimised build (build-bench/), printed as one table.
bench: setup-test
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench -j $(JOBS)
	./bench/run.sh build-bench
