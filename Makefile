# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench fuzz format clean

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

bench: build
	./scripts/run-bench.sh $(BUILD_DIR)

# A bounded fuzzing run of each target (FUZZ_TIME seconds each) in a build directory of its
# own, compiled with clang.
FUZZ_DIR ?= build-fuzz
FUZZ_TIME ?= 40
FUZZ_PACKAGES = clang-14 libclang-rt-14-dev
FUZZ_TARGETS = evaluate worksheet builtins decoder ini userfunc

fuzz:
	@./scripts/install-deps.sh $(FUZZ_PACKAGES)
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++-14 -DNUMORA_FUZZ=ON \
		-DNUMORA_BUILD_TESTS=OFF -DNUMORA_BUILD_BENCH=OFF -DNUMORA_BUILD_GUI=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	set -e; for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/artifacts/$$t; \
		$(FUZZ_DIR)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_TIME) -timeout=10 -rss_limit_mb=2048 \
			-artifact_prefix=$(FUZZ_DIR)/artifacts/$$t/ $(FUZZ_DIR)/corpus/$$t fuzz/corpus/$$t; \
	done

format:
	find base engine worksheet userfunc settings cli shell ui tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r clang-format -i

clean:
	rm -rf $(BUILD_DIR)
