# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands of the README: `make run` and `make test`.
# Both install what is missing first (scripts/install-deps.sh).
SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-test
BENCH_BUILD_DIR ?= build-bench
WEB_BUILD_DIR ?= build-web

RELEASE_BUILD_DIR ?= build-release
DEB_BUILD_DIR ?= build-deb

.PHONY: run test build build-tests bench deps format clean deb dist web

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

# The Debian packages, as a distribution builds them: the source package of
# the committed tree (the release tarball, see .gitattributes, and debian/)
# and the binary package from it (its build runs the tests
# that need no print server), into out/; then lintian, which must find nothing.
deb: deps
	rm -rf $(DEB_BUILD_DIR) && mkdir -p $(DEB_BUILD_DIR) out
	version="$$(dpkg-parsechangelog -S Version)" && upstream="$${version%-*}" && \
	git archive --format=tar --prefix="kazenori-$$upstream/" HEAD | gzip -9n > "$(DEB_BUILD_DIR)/kazenori_$$upstream.orig.tar.gz" && \
	tar -xzf "$(DEB_BUILD_DIR)/kazenori_$$upstream.orig.tar.gz" -C $(DEB_BUILD_DIR) && \
	git archive --format=tar --prefix="kazenori-$$upstream/debian/" HEAD:debian | tar -x -C $(DEB_BUILD_DIR) && \
	(cd "$(DEB_BUILD_DIR)/kazenori-$$upstream" && DEB_BUILD_OPTIONS="parallel=$(JOBS) $$DEB_BUILD_OPTIONS" dpkg-buildpackage -us -uc) && \
	find $(DEB_BUILD_DIR) -maxdepth 1 -type f -exec cp -t out {} + && \
	lintian --display-info --pedantic --fail-on error,warning,info,pedantic out/kazenori_$${version}_*.changes

# The browser version, a static site in out/web/ (scripts/build-web.sh):
# serve it from any static host, or locally with
# `python3 -m http.server -d out/web` and open http://localhost:8000/.
web: deps
	scripts/build-web.sh out/web $(WEB_BUILD_DIR)

# The source tarball of the committed tree, into out/.
dist:
	@scripts/make-dist.sh out

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) $(BENCH_BUILD_DIR) $(RELEASE_BUILD_DIR) $(DEB_BUILD_DIR) $(WEB_BUILD_DIR)
