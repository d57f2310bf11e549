# The two commands of the README, each doing all set-up on a fresh machine:
#   make demo   the core-driver stand-in opens the printing preferences of a
#               simulated printer with the real plug-in
#   make test   every test: the portable code natively under sanitizers, the
#               Windows code under Wine on a virtual display
.PHONY: all demo test bootstrap configure build build-native build-win test-native test-win format clean

JOBS ?= $(shell nproc)
WINE_PREFIX := $(CURDIR)/build/win/wineprefix

all: build

bootstrap:
	@./tools/bootstrap.sh

build/native/build.ninja: | bootstrap
	cmake --preset native >/dev/null

build/win/build.ninja: | bootstrap
	cmake --preset win >/dev/null

configure: build/native/build.ninja build/win/build.ninja

build-native: build/native/build.ninja
	cmake --build --preset native -j $(JOBS)

build-win: build/win/build.ninja
	cmake --build --preset win -j $(JOBS)

build: build-native build-win

test-native: build-native
	ctest --preset native -j $(JOBS)

# One virtual display for the whole run; the Wine server of the private
# prefix is stopped afterwards so nothing outlives the run.
test-win: build-win
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win -j $(JOBS); \
	status=$$?; WINEPREFIX=$(WINE_PREFIX) wineserver -k >/dev/null 2>&1; exit $$status

test: bootstrap
	@$(MAKE) --no-print-directory test-native
	@$(MAKE) --no-print-directory test-win

demo: build-win
	@if [ -f host/demo.sh ]; then ./host/demo.sh; else \
	  echo "make demo: the core-driver stand-in that opens the printing preferences is not there yet;"; \
	  echo "the plug-in and resource library were built into build/win/bin."; fi

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build out
