#!/usr/bin/env bash
# Installs what is missing, builds and starts Velumat.
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages
build_project
exec ./build/velumat "$@"
