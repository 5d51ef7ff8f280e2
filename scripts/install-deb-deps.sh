#!/usr/bin/env bash
# Installs what "./build.sh deb" needs beyond the ordinary build: dpkg-dev for
# dpkg-shlibdeps and dpkg-buildflags, lintian to check the package, only those missing.
set -euo pipefail
exec "$(dirname "$0")/install-deps.sh" dpkg-dev lintian
