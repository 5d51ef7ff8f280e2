#!/usr/bin/env bash
# Installs what "./build.sh fuzz" needs beyond the ordinary build: clang and
# libFuzzer's runtime, which Debian ships apart from clang (libclang-rt-N-dev).
set -euo pipefail

installed() {
  [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" == "install ok installed" ]]
}

apt_install() {
  local sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  echo "Installing: $*"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "$@"
}

installed clang || apt_install clang
# The runtime package carries clang's major version, e.g. libclang-rt-14-dev on Debian 12.
major=$(clang++ -dumpversion | cut -d. -f1)
runtime="libclang-rt-${major}-dev"
installed "$runtime" || apt_install "$runtime"
