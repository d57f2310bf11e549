# The two commands of the README, each doing all set-up on a fresh machine:
#   make demo   the core-driver stand-in opens the printing preferences of a
#               simulated printer with the real plug-in
#   make test   every test: the portable code natively under sanitizers, the
#               Windows code under Wine on a virtual display
.PHONY: all demo test fuzz bootstrap configure build build-native build-win build-fuzz test-native test-win \
        test-fuzz format clean

JOBS ?= $(shell nproc)
WINE_PREFIX := $(CURDIR)/build/win/wineprefix

all: build

bootstrap:
	@./tools/bootstrap.sh

build/native/build.ninja: | bootstrap
	cmake --preset native >/dev/null

build/win/build.ninja: | bootstrap
	cmake --preset win >/dev/null

build/fuzz/build.ninja: | bootstrap
	cmake --preset fuzz >/dev/null

configure: build/native/build.ninja build/win/build.ninja build/fuzz/build.ninja

build-native: build/native/build.ninja
	cmake --build --preset native -j $(JOBS)

build-win: build/win/build.ninja
	cmake --build --preset win -j $(JOBS)

build-fuzz: build/fuzz/build.ninja
	cmake --build --preset fuzz -j $(JOBS)

build: build-native build-win build-fuzz

test-native: build-native
	ctest --preset native -j $(JOBS)

# One virtual display for the whole run; the Wine server of the private
# prefix is stopped afterwards so nothing outlives the run.
test-win: build-win
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win -j $(JOBS); \
	status=$$?; WINEPREFIX=$(WINE_PREFIX) wineserver -k >/dev/null 2>&1; exit $$status

# The fuzz targets of the readers of outside bytes, a fixed number of runs
# each from their seeds; `make fuzz` runs each for FUZZ_SECONDS.
test-fuzz: build-fuzz
	ctest --preset fuzz -j $(JOBS)

FUZZ_SECONDS ?= 300
fuzz: build-fuzz
	@mkdir -p build/fuzz/logs; for target in build/fuzz/tests/fuzz/fuzz_*; do \
	  name=$$(basename $$target); echo "== $$name, $(FUZZ_SECONDS) s"; \
	  $$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build/fuzz/tests/fuzz/crashes/$$name/ \
	    build/fuzz/tests/fuzz/work/$$name tests/fuzz/corpus/$$name >build/fuzz/logs/$$name.log 2>&1; \
	  status=$$?; \
	  grep -E "stat::number_of_executed_units|SUMMARY|Test unit written" build/fuzz/logs/$$name.log; \
	  [ $$status -eq 0 ] || exit $$status; \
	done

test: bootstrap
	@$(MAKE) --no-print-directory test-native
	@$(MAKE) --no-print-directory test-fuzz
	@$(MAKE) --no-print-directory test-win

demo: build-win
	@if [ -f host/demo.sh ]; then ./host/demo.sh; else \
	  echo "make demo: the core-driver stand-in that opens the printing preferences is not there yet;"; \
	  echo "the plug-in and resource library were built into build/win/bin."; fi

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build out
