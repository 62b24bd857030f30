# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test package translations test-windows qt-windows windows-build windows sanitize tsan soak bench fuzz format clean

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./scripts/run.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The two Debian packages, numora and numora-calc, in $(BUILD_DIR)/packages, checked by lintian as
# the distribution checks its own: any error fails.
PACKAGE_PACKAGES = lintian

package: build
	@./scripts/install-deps.sh $(PACKAGE_PACKAGES)
	rm -rf $(BUILD_DIR)/packages
	cd $(BUILD_DIR) && cpack -G DEB -B packages
	lintian --fail-on error $(BUILD_DIR)/packages/*.deb

# Brings the English translation (resources/translations/numora_en.ts) up to date with the texts
# of the sources: new texts arrive unfinished, for a translator to fill in; vanished ones go.
TRANSLATION_SOURCES = base worksheet userfunc settings shell ui

translations: deps
	/usr/lib/qt6/bin/lupdate -locations none -no-obsolete -source-language ja -target-language en -I . \
		$(TRANSLATION_SOURCES) -ts resources/translations/numora_en.ts

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer, in a build directory of
# its own (-O1 and line tables only keep the build and the run bearable on a small machine). Any report fails the run.
SAN_DIR ?= build-asan
SAN_FLAGS = -O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined

sanitize: deps
	cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DNUMORA_BUILD_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
		-DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# The tests whose work runs on more than one thread (the worksheet's line worker, Esc, keys typed
# meanwhile, Recalculate All, two engines at once, the live preview, the recovery copy's writer,
# the window's random session) again under ThreadSanitizer, in a build directory of its own;
# only their programs are built. Any report fails the run. Qt is not built with the sanitizer:
# scripts/tsan.supp says what of Qt's own it cannot see through. The runtime, libtsan2, comes
# with g++.
TSAN_DIR ?= build-tsan
TSAN_FLAGS = -O1 -fsanitize=thread -fno-omit-frame-pointer
TSAN_TARGETS = test_engine test_worksheet test_view test_shell test_soak
TSAN_TESTS = ^(TwoEngines|PostToTest|CancelTest|Worksheet|AutoRecalculate|LivePreview|CalculationTest|TypingAheadTest|RecalculateTest|LiveResultsTest|RecoveryTest|EditorSoak)\.

tsan: deps
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DNUMORA_BUILD_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="$(TSAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
		-DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=thread"
	cmake --build $(TSAN_DIR) -j $(JOBS) --target $(TSAN_TARGETS)
	cd $(TSAN_DIR) && QT_QPA_PLATFORM=offscreen \
		TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$(CURDIR)/scripts/tsan.supp \
		ctest --output-on-failure -j $(JOBS) -R '$(TSAN_TESTS)'

# The window's random session of make test, 100,000 actions long, with a new seed each run
# (SOAK_SEED=N replays one). It reports the memory after each half.
SOAK_ACTIONS ?= 100000
SOAK_SEED ?= $(shell od -An -N4 -tu4 /dev/urandom | tr -d ' ')

soak: build
	QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$(BUILD_DIR)/test-config-none \
		NUMORA_SOAK_ACTIONS=$(SOAK_ACTIONS) NUMORA_SOAK_SEED=$(SOAK_SEED) $(BUILD_DIR)/tests/test_soak

# perf, to find where the time of a benchmark goes.
BENCH_PACKAGES = linux-perf

bench: build
	@./scripts/install-deps.sh $(BENCH_PACKAGES)
	./scripts/run-bench.sh $(BUILD_DIR)

# A bounded fuzzing run of each target (FUZZ_TIME seconds each) in a build directory of its
# own, compiled with clang. What the run found that reaches new code is merged, minimised, into
# fuzz/corpus, which the tests replay; commit it. A target's fuzz/<target>.dict, where there is
# one, gives it the tokens of its language.
FUZZ_DIR ?= build-fuzz
FUZZ_TIME ?= 40
FUZZ_PACKAGES = clang-14 libclang-rt-14-dev
FUZZ_TARGETS = evaluate worksheet builtins decoder ini userfunc autorecalc recalc units

fuzz:
	@./scripts/install-deps.sh $(FUZZ_PACKAGES)
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++-14 -DNUMORA_FUZZ=ON \
		-DNUMORA_BUILD_TESTS=OFF -DNUMORA_BUILD_BENCH=OFF -DNUMORA_BUILD_GUI=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	set -e; for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/artifacts/$$t; \
		dict=; [ ! -f fuzz/$$t.dict ] || dict=-dict=fuzz/$$t.dict; \
		$(FUZZ_DIR)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_TIME) -timeout=10 -rss_limit_mb=2048 $$dict \
			-artifact_prefix=$(FUZZ_DIR)/artifacts/$$t/ $(FUZZ_DIR)/corpus/$$t fuzz/corpus/$$t; \
		$(FUZZ_DIR)/fuzz/fuzz_$$t -merge=1 -timeout=10 -rss_limit_mb=2048 \
			fuzz/corpus/$$t $(FUZZ_DIR)/corpus/$$t; \
	done

# Qt for Windows, built once per machine from Debian's own qt6-base source (the host Qt's version)
# with mingw-w64, into a cache folder outside the tree (about 20 minutes on 2 cores); prints the
# folder. A later run finds it complete and only prints it: scripts/build-qt-windows.sh --prefix-only.
# A packed copy of this recipe's folder in ../shared/cache is unpacked and checked instead.
qt-windows:
	@JOBS=$(JOBS) ./scripts/build-qt-windows.sh

# The whole program and its tests cross-built for Windows with mingw-w64 and Qt for Windows (from
# qt-windows), in a build directory of its own. Every program links the compiler's runtime and
# Qt as DLLs (cmake/mingw-w64-x86_64-shared.cmake): one C++ runtime for all. Qt for Windows has
# no Qt Svg, so the icons are drawn by the Linux build's render_icon.
WINDOWS_DIR ?= build-windows
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix wine64 googletest nsis xclip openbox

windows-build: configure qt-windows
	@./scripts/install-deps.sh $(WINDOWS_PACKAGES)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target render_icon
	qt=$$(./scripts/build-qt-windows.sh --prefix-only) && \
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64-shared.cmake -DCMAKE_PREFIX_PATH="$$qt" \
		-DQT_HOST_PATH=/usr -DNUMORA_RENDER_ICON=$(abspath $(BUILD_DIR))/shell/render_icon \
		-DNUMORA_BUILD_BENCH=OFF
	cmake --build $(WINDOWS_DIR) -j $(JOBS)

# ctest runs each test program under Wine, in a prefix inside the build directory, the window's
# on Qt's offscreen platform. Now and then Wine fails to start a program at all (no output, a
# fraction of a second): a failed test runs once more.
test-windows: windows-build
	cd $(WINDOWS_DIR) && ctest --output-on-failure -j $(JOBS) --repeat until-pass:2

# The Windows program in $(WINDOWS_DIR)/Numora: numora.exe and numora-calc.exe with Qt's
# libraries, plugins and Japanese texts, the compiler's runtime and the licences beside them,
# stripped, tried under Wine (scripts/check-windows.sh). The folder then becomes a zip and an
# installer (Debian's nsis, resources/windows/setup.nsi) in $(WINDOWS_DIR)/packages; the
# installer is tried under Wine in a fresh prefix (scripts/check-windows-installer.sh).
windows: windows-build
	rm -rf $(WINDOWS_DIR)/Numora
	cmake --install $(WINDOWS_DIR) --prefix $(abspath $(WINDOWS_DIR))/Numora --strip
	./scripts/check-windows.sh $(WINDOWS_DIR)/Numora $(WINDOWS_DIR)/wineprefix-check
	rm -rf $(WINDOWS_DIR)/packages
	cd $(WINDOWS_DIR) && cpack -G ZIP -B packages
	./scripts/make-windows-setup.sh $(WINDOWS_DIR)
	./scripts/check-windows-installer.sh $(WINDOWS_DIR)/packages/Numora-*-setup.exe \
		$(WINDOWS_DIR)/wineprefix-setup

format:
	find base engine worksheet userfunc settings cli shell ui tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(WINDOWS_DIR)
