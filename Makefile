# The two commands a newcomer needs: `make demo` and `make test`.
# Both install what is missing from Debian's packages first.
BUILD   := build
NATIVE  := build-native
JOBS    := $(shell nproc)
FUZZ_SECONDS ?= 30

.PHONY: all deps configure test unit-native fuzz wine-template demo screenshot bench bench-copy clean

all: deps configure
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@tools/install-deps

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

wine-template: deps
	@tests/wine/make-template $(CURDIR)/$(BUILD)/wine-template

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

test: all unit-native fuzz wine-template
	ctest --test-dir $(BUILD) --output-on-failure -j3

demo: all wine-template
	@tools/demo $(CURDIR)/$(BUILD)

screenshot: all wine-template
	@tools/screenshot $(CURDIR)/$(BUILD) docs/wizard.png

# Both benchmarks, start-up first; a result over its target fails the target
# once both have run.
bench: all wine-template
	@rc=0; bench/startup $(CURDIR)/$(BUILD) || rc=1; bench/copy $(CURDIR)/$(BUILD) || rc=1; exit $$rc

bench-copy: all wine-template
	@bench/copy $(CURDIR)/$(BUILD)

clean:
	rm -rf $(BUILD) $(NATIVE)
