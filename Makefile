# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands of the README: `make run` and `make test`.
# Both install what is missing first (scripts/install-deps.sh).
SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-test
BENCH_BUILD_DIR ?= build-bench

RELEASE_BUILD_DIR ?= build-release

.PHONY: run test build build-tests bench deps format clean deb dist

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAZENORI_TESTS=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)/src/app/kazenori

build-tests: deps
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKAZENORI_SANITIZE=ON
	cmake --build $(TEST_BUILD_DIR) -j $(JOBS)

test: build-tests
	scripts/with-test-env.sh ctest --test-dir $(TEST_BUILD_DIR) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAZENORI_TESTS=OFF -DKAZENORI_BENCH=ON
	cmake --build $(BENCH_BUILD_DIR) -j $(JOBS)
	scripts/run-bench.sh $(BENCH_BUILD_DIR)

# The Debian package from a Release build (no tests), into out/.
deb: deps
	cmake -S . -B $(RELEASE_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAZENORI_TESTS=OFF
	cmake --build $(RELEASE_BUILD_DIR) -j $(JOBS)
	cd $(RELEASE_BUILD_DIR) && cpack -G DEB -B package
	mkdir -p out && cp $(RELEASE_BUILD_DIR)/package/kazenori_*.deb out/
	lintian --fail-on error,warning out/kazenori_*.deb

# The source tarball of the committed tree, into out/.
dist:
	@scripts/make-dist.sh out

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) $(BENCH_BUILD_DIR) $(RELEASE_BUILD_DIR)
