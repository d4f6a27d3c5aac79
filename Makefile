# Front door: installs what is missing, then calls CMake and ctest.
BUILD     ?= build
BUILD_ABS := $(abspath $(BUILD))
JOBS      ?= $(shell nproc)
# TESTS=regex runs only the matching ctest tests.
TESTS     ?=
export WINEPREFIX := $(BUILD_ABS)/wineprefix

.PHONY: all setup configure build test bench soak run dist screenshots clean

all: build

setup:
	@tools/setup.sh

configure: setup
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@tools/with-display.sh sh -c 'tools/wine-prefix.sh $(BUILD) && ctest --test-dir $(BUILD) --output-on-failure --timeout 600 $(if $(TESTS),-R "$(TESTS)")'

# Prints the figures of the benchmark programs under Wine (start-up, detection, memory, GDI and
# USER objects, sizes, log rates); nothing passes or fails on speed.
bench: build
	@tools/with-display.sh sh -c 'tools/wine-prefix.sh $(BUILD) && for b in $(BUILD)/bench/*_bench.exe; do tools/wine-run.sh "$$b" || exit 1; done'

# The soak and fault suite in its long form (50 detections, 10 MB through the real tool);
# `make test` runs its short form.
soak: build
	@MSDT_SOAK_FULL=1 tools/with-display.sh sh -c 'tools/wine-prefix.sh $(BUILD) && ctest --test-dir $(BUILD) --output-on-failure --timeout 1800 -R soak'

# dist/ModernStandbyDetectionTool/ (the tool and its feedback library) and a zip of it.
dist: build
	@tools/dist.sh $(BUILD)

run: dist
	@tools/run.sh $(BUILD)

# The main window, the busy prompt, the verdict prompts and the feedback dialog at 96 and
# 120 dpi, rendered by the real tool into docs/screenshots/.
screenshots: build
	@tools/with-display.sh tools/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD) dist
