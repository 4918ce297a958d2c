# The two commands: `make run` and `make test`. Everything else is CMake presets.
.PHONY: all deps build run test test-asan test-core test-windows package test-package fuzz bench format clean

PRESET_BUILD = cmake --preset $(1) >/dev/null && cmake --build --preset $(1)

# Where ccache is installed, objects are shared between checkouts in other
# folders (a clean clone, CI): paths below the checkout are hashed relative to it.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= true
# Objects compiled on a precompiled header are cached only with these.
export CCACHE_SLOPPINESS ?= pch_defines,time_macros,include_file_mtime,include_file_ctime

all: build

deps:
	@scripts/install-deps

build: deps
	@$(call PRESET_BUILD,dev)

# Starts the program; without a display it runs the command-line tool on the
# example ship instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  exec build/dev/src/app/shell/hullcalc; \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running hullcalc-cli on the example ship instead."; \
	  echo; \
	  build/dev/src/cli/hullcalc-cli; \
	fi

# The configuration `make test` builds and runs: the debug one unless
# TEST_PRESET names another. CI runs the optimised one (release), from which
# `make package` then makes the package without compiling again.
TEST_PRESET ?= dev
test: deps
	@$(call PRESET_BUILD,$(TEST_PRESET))
	@ctest --preset $(TEST_PRESET)

test-asan: deps
	@$(call PRESET_BUILD,asan)
	@ctest --preset asan

# The core alone, configured without Qt: it builds and its tests pass, and no
# file of it includes a Qt header or anything outside src/core.
test-core: deps
	@scripts/check-core-edge
	@$(call PRESET_BUILD,core)
	@ctest --preset core

# The Qt-free core and its tests built for 64-bit Windows with MinGW-w64 and
# run under Wine (its prefix in build/windows-core/wine-prefix).
test-windows: deps
	@$(call PRESET_BUILD,windows-core)
	@ctest --preset windows-core

# The Debian package build/release/hullcalc_<version>_amd64.deb, from an
# optimised build of the two programs, the Python module and the manual page only.
package: deps
	@$(call PRESET_BUILD,release) --target hullcalc hullcalc-cli hullcalc_python hullcalc_manual hullcalc_debian_changelog
	@cd build/release && cpack -G DEB

# The package checked: lintian, the desktop entry, and the programs run from it
# unpacked into a temporary root.
test-package: package
	@scripts/check-package

# The libFuzzer targets of the core (clang, sanitizers): FUZZ_SECONDS each (60
# unless given), or FUZZ_RUNS inputs each when that is given, as CI does.
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?=
fuzz: deps
	@$(call PRESET_BUILD,fuzz)
	@FUZZ_SECONDS="$(FUZZ_SECONDS)" FUZZ_RUNS="$(FUZZ_RUNS)" scripts/run-fuzzers

bench: deps
	@$(call PRESET_BUILD,release)
	@for b in build/release/bench/bench_trim build/release/bench/bench_stability build/release/bench/bench_vibration build/release/bench/bench_window; do \
	  echo "== $$b"; QT_LOGGING_RULES="default.warning=false" $$b --benchmark_repetitions=5 \
	    --benchmark_report_aggregates_only=true; done
	@echo "== build/release/bench/bench_startup against build/release/bench/bench_bare_window"
	@scripts/time-startup
	@python=$$(sed -n 's/^Python3_EXECUTABLE:FILEPATH=//p' build/release/CMakeCache.txt); \
	if [ -n "$$python" ] && [ -d build/release/python ]; then \
	  echo "== bench/bench_python.py ($$python)"; PYTHONPATH=build/release/python $$python bench/bench_python.py; \
	fi

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
