# The two commands: `make run` and `make test`. Everything else is CMake presets.
.PHONY: all deps build run test test-asan fuzz bench format clean

PRESET_BUILD = cmake --preset $(1) >/dev/null && cmake --build --preset $(1)

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

test: build
	@ctest --preset dev

test-asan: deps
	@$(call PRESET_BUILD,asan)
	@ctest --preset asan

# The libFuzzer targets of the core (clang, sanitizers): FUZZ_SECONDS each (60
# unless given), or FUZZ_RUNS inputs each when that is given, as CI does.
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?=
fuzz: deps
	@$(call PRESET_BUILD,fuzz)
	@FUZZ_SECONDS="$(FUZZ_SECONDS)" FUZZ_RUNS="$(FUZZ_RUNS)" scripts/run-fuzzers

bench: deps
	@$(call PRESET_BUILD,release)
	@for b in build/release/bench/bench_trim build/release/bench/bench_vibration build/release/bench/bench_window; do \
	  echo "== $$b"; QT_LOGGING_RULES="default.warning=false" $$b --benchmark_repetitions=5 \
	    --benchmark_report_aggregates_only=true; done
	@echo "== build/release/bench/bench_startup"
	@scripts/time-startup
	@python=$$(sed -n 's/^Python3_EXECUTABLE:FILEPATH=//p' build/release/CMakeCache.txt); \
	if [ -n "$$python" ] && [ -d build/release/python ]; then \
	  echo "== bench/bench_python.py ($$python)"; PYTHONPATH=build/release/python $$python bench/bench_python.py; \
	fi

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
