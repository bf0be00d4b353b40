# Set-up, build and test on Debian 12. Installing is idempotent: only missing packages are fetched.

BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

WINBUILD ?= $(BUILD)/windows
SANBUILD ?= $(BUILD)/sanitize
FUZZBUILD ?= $(BUILD)/fuzz
FUZZ_SECONDS ?= 600
SANITIZER_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

PACKAGES := cmake make g++ libgtest-dev libbenchmark-dev locales \
            qt6-base-dev qt6-tools-dev libqt6opengl6-dev qt6-svg-dev \
            fonts-liberation2 poppler-utils cups-daemon cups-client \
            g++-mingw-w64-x86-64-posix wine wine64 clang libclang-rt-14-dev \
            appstream desktop-file-utils

.PHONY: all deps configure build windows-build sanitize-build fuzz-build run test windows-test \
        sanitize-test fuzz package bench clean

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

# The Windows code (registry settings and everything without Qt), cross-built; tests run under Wine.
windows-build: deps
	@[ -f $(WINBUILD)/CMakeCache.txt ] || cmake -S . -B $(WINBUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DVERTEBRA_GUI=OFF -DVERTEBRA_BENCH=OFF
	cmake --build $(WINBUILD) -j $(JOBS)

windows-test: windows-build
	ctest --test-dir $(WINBUILD) --output-on-failure

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-build: deps
	@[ -f $(SANBUILD)/CMakeCache.txt ] || cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVERTEBRA_SANITIZE=ON -DVERTEBRA_BENCH=OFF
	cmake --build $(SANBUILD) -j $(JOBS)

sanitize-test: sanitize-build
	$(SANITIZER_ENV) ctest --test-dir $(SANBUILD) --output-on-failure -j $(JOBS)

# libFuzzer targets, built with clang: each runs its corpus and fuzzes for a short while in
# `make test`, for FUZZ_SECONDS each with `make fuzz`.
fuzz-build: deps
	@[ -f $(FUZZBUILD)/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZBUILD) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERTEBRA_FUZZ=ON
	cmake --build $(FUZZBUILD) -j $(JOBS)

fuzz: fuzz-build
	@for pair in parse_measurement_text_fuzz:parse assess_measurements_fuzz:assess settings_value_fuzz:settings; do \
	  target=$${pair%%:*}; corpus=$${pair##*:}; mkdir -p $(FUZZBUILD)/fuzz-work/$$corpus; \
	  echo "== $$target for $(FUZZ_SECONDS) s"; \
	  $(FUZZBUILD)/bin/$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 -max_len=8192 \
	    -print_final_stats=1 $(FUZZBUILD)/fuzz-work/$$corpus fuzz/corpus/$$corpus || exit 1; \
	done

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window"; \
	  echo "cannot be shown. The program is built: $(BUILD)/bin/vertebra"; \
	  echo "Run it in a desktop session, or under a virtual display:"; \
	  echo "  xvfb-run -a $(BUILD)/bin/vertebra        (Debian: apt-get install xvfb xauth)"; \
	else \
	  $(BUILD)/bin/vertebra; \
	fi

test: build windows-build sanitize-build fuzz-build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(WINBUILD) --output-on-failure
	$(SANITIZER_ENV) ctest --test-dir $(SANBUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(FUZZBUILD) --output-on-failure -j $(JOBS)

# A Debian package of the program in $(BUILD): vertebra_<version>_<arch>.deb
package: build
	cd $(BUILD) && cpack --config CPackConfig.cmake

bench: build
	$(BUILD)/bin/core_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/keystroke_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/startup_bench $(BUILD)/bin/vertebra-firstpaint $(BUILD)/bin/baseline-firstpaint
	@# Printing goes to a private spooler that keeps the jobs, never to the system's printers.
	sh tests/cups/cups-fixture.sh start $(BUILD)/bench-cups queue
	CUPS_SERVER=$(CURDIR)/$(BUILD)/bench-cups/cups.sock QT_QPA_PLATFORM=offscreen $(BUILD)/bin/print_bench; \
	  status=$$?; sh tests/cups/cups-fixture.sh stop $(BUILD)/bench-cups; exit $$status

clean:
	rm -rf $(BUILD)
