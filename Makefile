# make run   installs what is missing, builds Kaminor and starts it.
# make test  installs what is missing, builds, and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build setup setup-test configure

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
