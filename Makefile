# The project's commands. Each installs what is missing first, then builds incrementally.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps configure build run test test-sanitize fuzz bench clean screenshots install package \
  format format-check

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/pindrel

test: build format-check
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure

# Every C++ file as .clang-format has it; `make format` puts them right.
FORMATTED = $(shell find src tests bench tools -name '*.cpp' -o -name '*.h')
format-check: deps
	@clang-format --dry-run --Werror $(FORMATTED) && echo "Every C++ file is formatted as .clang-format has it."

format: deps
	clang-format -i $(FORMATTED)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer. The leak
# suppressions name only the system's own libraries (fontconfig and the like). use_tls=0: the
# leak checker of g++ 12 crashes on the thread-local storage of a library loaded late (Qt loads
# libthai to break Thai text); without it, memory held only there counts as leaked, so the check
# is stricter, not weaker.
test-sanitize: deps
	cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPINDREL_SANITIZE=ON
	cmake --build build-sanitize
	QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=use_tls=0:suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir build-sanitize --output-on-failure

# Each libFuzzer target for FUZZ_SECONDS from its seeds, with inputs up to 256 KiB: the reader's
# seeds (a first byte for the kind of file, then its bytes) include files at its limits (32,766 and 32,767 short lines, a field of 32,767 and of
# 32,768 characters), made here rather than kept in the repository.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = vocabulary_reader
FUZZ_LIMITS = build-fuzz/limits/vocabulary_reader
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINDREL_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build build-fuzz --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	mkdir -p $(FUZZ_LIMITS)
	(printf 0; yes 'a' | head -n 32766 | sed 's/$$/\r/') >$(FUZZ_LIMITS)/records-32766
	(printf 1; yes 'a' | head -n 32767 | sed 's/$$/\r/') >$(FUZZ_LIMITS)/records-32767
	(printf 0; head -c 32767 /dev/zero | tr '\0' a; echo '|hint|hint') >$(FUZZ_LIMITS)/field-32767
	(printf 1; head -c 32768 /dev/zero | tr '\0' a; echo '|hint|hint') >$(FUZZ_LIMITS)/field-32768
	set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  build-fuzz/fuzz/fuzz_$$t -max_len=262144 -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/fuzz/$$t- build-fuzz/corpus/$$t tests/fuzz/seeds/$$t build-fuzz/limits/$$t; \
	done

# In a Release build of their own: the vocabulary benchmarks, the cost of a word as lost words
# pile up, the waits after the custom chooser's OK and the editor's Save, and the classroom's
# import and printing (in-process, offscreen), then the start-up figures on a private Xvfb; each
# beside its floor measured in the same run; last, how the game answers while its sound server
# hangs, dies and comes back, and SPEECH_EXITS exits after speaking.
# They print figures and assert nothing.
STARTUP_RUNS ?= 20
SPEECH_EXITS ?= 100
bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPINDREL_BENCH=ON
	cmake --build build-bench --target pindrel pindrel_data pindrel_bench lost_words_bench \
	  waits_bench classroom_bench bare_window startup_probe speech_probe
	@echo "Machine: $$(nproc) cores, $$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //');" \
	  "load average $$(cut -d' ' -f1-3 /proc/loadavg)"
	build-bench/bench/pindrel_bench
	build-bench/bench/lost_words_bench
	build-bench/bench/waits_bench
	build-bench/bench/classroom_bench
	bash scripts/measure-startup.sh $(STARTUP_RUNS) build-bench
	bash scripts/measure-speech.sh $(SPEECH_EXITS) build-bench

# Every window on a private Xvfb with the Thai fonts, saved in docs/screenshots.
screenshots: build
	bash scripts/take-screenshots.sh $(BUILD) docs/screenshots

# The program folder under PREFIX/lib/games/pindrel, its data in PREFIX/share/games/pindrel, the
# command PREFIX/games/pindrel; the menu entry, the icons and the manual page under PREFIX/share.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package $(BUILD)/pindrel_VERSION_ARCH.deb: the same layout under /usr, with the
# AppStream metadata, the copyright and the change log; its Depends come from dpkg-shlibdeps
# and cmake/Packaging.cmake.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
