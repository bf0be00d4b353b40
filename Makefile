# Set-up, build and test on Debian 12. Installing is idempotent: only missing packages are fetched.

BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PACKAGES := cmake make g++ libgtest-dev libbenchmark-dev locales

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/vertebra-grade --help

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/core_bench

clean:
	rm -rf $(BUILD)
