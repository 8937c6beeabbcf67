# make run      installs what is missing, builds, and starts Varnholt
# make test     the same set-up, then every test through ctest
# make install  installs the program, its menu entry, icons and metadata under PREFIX
# make package  builds a Debian package in the build folder
BUILD_DIR ?= build
JOBS ?= 2
PREFIX ?= /usr/local
# More settings for a new build folder, such as -DVARNHOLT_WERROR=ON.
CMAKE_FLAGS ?=

.PHONY: run test build deps configure screenshot install package

run: build
	$(BUILD_DIR)/bin/varnholt

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) -- --no-print-directory

configure: deps
	@[ -f $(BUILD_DIR)/CMakeCache.txt ] || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

deps:
	@scripts/install-deps.sh

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Renders the main window, Compare Plans, Payment Plan, Record Payments and Progress with sample debts for the README.
screenshot: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshot docs/main-window.png
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshot docs/compare-plans.png compare
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshot docs/payment-plan.png plan
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshot docs/record-payments.png record
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshot docs/progress.png progress
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshot docs/least-interest.png least
