#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages
ensure_german_locale
build_project
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
