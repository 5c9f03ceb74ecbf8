# The two commands a newcomer needs: `make demo` and `make test`.
# Both install what is missing from Debian's packages first.
#
# Two builds from the same sources: build/ holds the 32-bit programs for
# Windows 95, 98 and NT, build-x64/ the same programs for 64-bit Windows.
# Both are always built. What runs under Wine is what this host can run
# (tools/wine-arches starts the 32-bit loader to find out), or the one that
# ARCH=i686 or ARCH=x86_64 names.
BUILD_i686    := build
BUILD_x86_64  := build-x64
NATIVE        := build-native
KIT           := build-kit
JOBS          := $(shell nproc)
FUZZ_SECONDS  ?= 30
ARCH          ?=

# Shell prelude for the recipes below: $arches is what runs here, $first the
# one that the demo, the benchmarks and the screenshot use; dir and loader map
# an architecture to its build folder and Wine loader.
ARCHES = dir() { case $$1 in x86_64) echo $(CURDIR)/$(BUILD_x86_64);; *) echo $(CURDIR)/$(BUILD_i686);; esac; }; \
	loader() { case $$1 in x86_64) echo /usr/lib/wine/wine64;; *) echo /usr/lib/wine/wine;; esac; }; \
	arches=$$(tools/wine-arches $(ARCH)) || exit 1; set -- $$arches; first=$$1; \
	template() { tests/wine/make-template "$$(dir $$1)/wine-template" "$$(loader $$1)"; }

.PHONY: all deps configure kit test unit-native fuzz wine-template demo demo-silent screenshot bench bench-copy bench-kit bench-compress clean

all: deps configure
	cmake --build $(BUILD_i686) -j$(JOBS)
	cmake --build $(BUILD_x86_64) -j$(JOBS)

deps:
	@tools/install-deps

configure: deps
	@test -f $(BUILD_i686)/CMakeCache.txt || cmake -S . -B $(BUILD_i686) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
	@test -f $(BUILD_x86_64)/CMakeCache.txt || cmake -S . -B $(BUILD_x86_64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release

# setupkit, the author's tool, built for this machine, and its command-line test.
kit: deps
	@test -f $(KIT)/CMakeCache.txt || cmake -S kit -B $(KIT)
	cmake --build $(KIT) -j$(JOBS)
	@tests/kit/cli-test $(KIT)/setupkit

wine-template: deps
	@$(ARCHES); for a in $$arches; do template $$a || exit 1; done

# The script reader and the removal rules natively, with AddressSanitizer and
# UBSan, and their fuzzers.
unit-native: deps
	@test -f $(NATIVE)/CMakeCache.txt || cmake -S tests/native -B $(NATIVE) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(NATIVE) -j$(JOBS)
	ctest --test-dir $(NATIVE) --output-on-failure

fuzz: unit-native
	@rm -rf $(NATIVE)/corpus && cp -r tests/fuzz/corpus $(NATIVE)/corpus
	$(NATIVE)/script_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(NATIVE)/corpus 2>$(NATIVE)/fuzz.log || { tail -40 $(NATIVE)/fuzz.log; exit 1; }
	@grep -E 'stat::number_of_executed_units|Done' $(NATIVE)/fuzz.log | tail -2
	@rm -rf $(NATIVE)/corpus-record && cp -r tests/fuzz/corpus-record $(NATIVE)/corpus-record
	$(NATIVE)/record_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(NATIVE)/corpus-record 2>$(NATIVE)/fuzz-record.log || { tail -40 $(NATIVE)/fuzz-record.log; exit 1; }
	@grep -E 'stat::number_of_executed_units|Done' $(NATIVE)/fuzz-record.log | tail -2
	@rm -rf $(NATIVE)/corpus-szdd && cp -r tests/fuzz/corpus-szdd $(NATIVE)/corpus-szdd
	$(NATIVE)/szdd_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(NATIVE)/corpus-szdd 2>$(NATIVE)/fuzz-szdd.log || { tail -40 $(NATIVE)/fuzz-szdd.log; exit 1; }
	@grep -E 'stat::number_of_executed_units|Done' $(NATIVE)/fuzz-szdd.log | tail -2

# Every build is checked on its files (headers, imports, instructions, size);
# the builds that run here are then tested whole under Wine.
test: all kit unit-native fuzz
	@$(ARCHES); \
	for a in i686 x86_64; do \
	  case " $$arches " in *" $$a "*) continue;; esac; \
	  echo "== $$a build: checks of the built programs only (not run on this host)"; \
	  "$$(dir $$a)/check-shipped" || exit 1; \
	done; \
	for a in $$arches; do \
	  echo "== $$a build: every test, under $$(loader $$a)"; \
	  template $$a || exit 1; \
	  ctest --test-dir "$$(dir $$a)" --output-on-failure -j3 || exit 1; \
	done

demo: all
	@$(ARCHES); template $$first && tools/demo "$$(dir $$first)"

# The same sample installed unattended (setup.exe /S), with its log.
demo-silent: all
	@$(ARCHES); template $$first && DEMO_SILENT=1 tools/demo "$$(dir $$first)"

screenshot: all
	@$(ARCHES); template $$first && tools/screenshot "$$(dir $$first)" docs/wizard.png

# The benchmarks, start-up first, then copy and removal; a result over its
# target fails the target once all have run.
bench: all
	@$(ARCHES); template $$first || exit 1; rc=0; \
	bench/startup "$$(dir $$first)" || rc=1; bench/copy "$$(dir $$first)" || rc=1; bench/remove "$$(dir $$first)" || rc=1; exit $$rc

bench-copy: all
	@$(ARCHES); template $$first && bench/copy "$$(dir $$first)"

# How long setupkit's check and plan take on a 200,000-line script.
bench-kit: kit
	@bench/kit $(KIT)/setupkit

# What --compress saves in bytes and floppies, beside gzip -9, the compressor's speed, and the
# install's copy time from a compressed layout against a plain one under Wine.
bench-compress: all kit
	@$(ARCHES); template $$first && bench/compress $(KIT)/setupkit "$$(dir $$first)"

clean:
	rm -rf $(BUILD_i686) $(BUILD_x86_64) $(NATIVE) $(KIT)
