# Drives the two CMake trees: the host tools first, then the Windows runtime,
# the application and the tests, which use those tools. `make help` lists the
# targets.
BUILD_DIR ?= build
OUT_DIR ?= $(CURDIR)/out
HOST := $(BUILD_DIR)/host
WIN32 := $(BUILD_DIR)/win32
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZ_OUT_DIR=$(OUT_DIR)

.PHONY: all deps host win32 test fuzz run bench screenshots clean help

all: win32

help:
	@echo "make        build the host tools and the Windows programs into out/"
	@echo "make test   build everything and run every test"
	@echo "make fuzz   run the fuzz tests longer: FUZZ_ROUNDS per reader of image bytes, 20 times the compiler's cases"
	@echo "make run    build and run the program (under Wine on Linux; without a display, a demonstration)"
	@echo "make bench  build and run the benchmarks"
	@echo "make screenshots  capture the program's windows into docs/"
	@echo "make clean  remove the build trees and out/"

deps:
	@scripts/install-deps

$(HOST)/build.ninja: | deps
	cmake -S . -B $(HOST) $(CMAKE_FLAGS)

host: $(HOST)/build.ninja
	cmake --build $(HOST)
	@mkdir -p $(OUT_DIR)
	@for tool in zc zlink zpack; do \
	  if [ -x $(HOST)/bin/$$tool ]; then cp -p $(HOST)/bin/$$tool $(OUT_DIR)/; fi; done

$(WIN32)/build.ninja: | host
	cmake -S . -B $(WIN32) $(CMAKE_FLAGS) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DZ_HOST_TOOLS=$(abspath $(HOST))/bin \
	  "-DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/scripts/wine-run;--prefix;$(abspath $(WIN32))/wineprefix"

win32: host $(WIN32)/build.ninja
	cmake --build $(WIN32)

test: win32
	scripts/run-tests $(BUILD_DIR)

# The fuzz tests of `make test`, longer: many more random rounds per reader
# of image bytes, and twenty times the compiler's cases.
FUZZ_ROUNDS ?= 200000
fuzz: host
	Z_FUZZ_ROUNDS=$(FUZZ_ROUNDS) $(HOST)/bin/image_fuzz_tests
	Z_FUZZ_SCALE=20 $(HOST)/bin/compiler_fuzz_tests

# With a display, Quellix for the person at the keyboard; without one, the
# demonstration of its main job on the sample (scripts/run-demo).
run: win32
	@if [ -n "$${DISPLAY:-}" ]; then \
	  Z_PREFIX=$(abspath $(WIN32))/wineprefix scripts/run-program $(OUT_DIR)/quellix.exe; \
	else \
	  scripts/run-demo $(BUILD_DIR) $(OUT_DIR); \
	fi

bench: win32
	scripts/with-display scripts/run-benchmarks $(BUILD_DIR)

# The end-to-end tests capture the windows they check; this keeps the
# captures as the pictures in docs/. The folder is named through Wine's
# drive Z:, the root of the Linux file system; asking winepath would start
# a Wine server outside the tests' display, whose windows the tests then
# never see.
screenshots: win32
	Z_SCREENSHOT_DIR="Z:$$(printf '%s' '$(CURDIR)/docs' | tr / '\\')" \
	  scripts/run-tests $(BUILD_DIR) -R e2e_tests

clean:
	rm -rf $(BUILD_DIR) $(OUT_DIR)
