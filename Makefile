# Everyday commands. `make run` builds and starts the program, `make test` builds and runs
# every test, `make sanitize` runs them under ASan and UBSan, `make bench` runs the benchmarks,
# `make bench-smoke` runs each benchmark once, briefly, and fails on one that hangs or fails.
# `make deb` builds the Debian package, `make package-check` validates it, `make screenshots`
# draws the README's pictures from the running program. `make translations` brings
# translations/*.ts up to date with the texts in the sources.
BUILD       ?= build
SAN_BUILD   ?= build-sanitize
FUZZ_BUILD  ?= build-fuzz
JOBS        ?= 2
CMAKE_FLAGS ?=

export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps configure build run test sanitize bench bench-smoke fuzz format clean deb \
        package-check screenshots translations

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: configure
	cmake --build $(BUILD) -j$(JOBS) --target vorlant
	cd $(BUILD)/bin && env -u QT_QPA_PLATFORM ./vorlant

test: build
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error

# build/vorlant_<version>_<arch>.deb
deb: configure
	cmake --build $(BUILD) -j$(JOBS) --target vorlant package_files
	rm -f $(BUILD)/vorlant_*.deb
	cd $(BUILD) && cpack -G DEB

package-check: deb
	bash packaging/check-package.sh $(BUILD)

# docs/*.png, drawn by the program's own windows on a virtual screen; docs/en/*.png in English.
SCREENSHOT_RUN = env -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES
screenshots: configure
	cmake --build $(BUILD) -j$(JOBS) --target vorlant_screenshots
	$(SCREENSHOT_RUN) LANG=cs_CZ.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" \
	    $(BUILD)/tests/vorlant_screenshots $(CURDIR)/docs
	$(SCREENSHOT_RUN) LANG=en_US.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" \
	    $(BUILD)/tests/vorlant_screenshots $(CURDIR)/docs/en

# New texts come in as unfinished entries for a translator; texts gone from the sources go.
translations: configure
	cmake --build $(BUILD) --target update_translations

# Any sanitizer report aborts the test that caused it, so the run fails.
sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVORLANT_SANITIZE=ON \
	      -DVORLANT_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(SAN_BUILD) -j$(JOBS)
	ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	ctest --test-dir $(SAN_BUILD) --output-on-failure --no-tests=error

bench: build
	@set -e; for program in $(BUILD)/bench/bench_*; do \
	    case "$$program" in *.json) continue;; esac; \
	    [ -x "$$program" ] || continue; \
	    echo "== $$program"; \
	    "$$program" --benchmark_out="$$program.json" --benchmark_out_format=json; \
	done
	@echo "== start-up against a minimal Qt Widgets program"
	bench/startup/startup_bench.py $(BUILD)

# No timing is judged here: this only shows that every benchmark still runs to its end.
bench-smoke: build
	bench/smoke.sh $(BUILD)

fuzz:
	@bash scripts/install-deps.sh --fuzz
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus/load_results $(FUZZ_BUILD)/corpus/settings
	$(FUZZ_BUILD)/fuzz_load_results -runs=1000000 $(FUZZ_BUILD)/corpus/load_results
	$(FUZZ_BUILD)/fuzz_settings -runs=1000000 -max_len=8192 $(FUZZ_BUILD)/corpus/settings

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
