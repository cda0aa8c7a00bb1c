#!/usr/bin/env bash
# Every Qt package that CMake found must come from a Debian package that scripts/deps installs
# by name: one that arrived only as a recommendation or a dependency of another is missing on a
# machine set up without recommendations, and the configure step fails there.
#   qt_packages_listed.sh BUILD/CMakeCache.txt scripts/deps
set -euo pipefail
cache=$1
deps=$2

mapfile -t listed < <("$deps" --list)
is_listed() {
  local p
  for p in "${listed[@]}"; do [ "$p" = "$1" ] && return 0; done
  return 1
}

found=0
failures=()
while IFS= read -r line; do
  name=${line%%_DIR:*}
  dir=${line#*=}
  # The configuration file CMake read, which belongs to one package; a directory may be shared.
  config=$dir/${name}Config.cmake
  [ -e "$config" ] || config=$dir
  found=$((found + 1))
  if ! owners=$(dpkg -S "$config" 2>/dev/null); then
    failures+=("$name: $config belongs to no Debian package")
    continue
  fi
  # "pkg-a:amd64, pkg-b:amd64: /path"
  owners=${owners%%: /*}
  ok=0
  names=()
  IFS=', ' read -r -a owned <<<"$owners"
  for o in "${owned[@]}"; do
    o=${o%%:*}
    names+=("$o")
    is_listed "$o" && ok=1
  done
  [ $ok -eq 1 ] || failures+=("$name: ${names[*]} not listed in scripts/deps")
done < <(grep -E '^Qt6[A-Za-z0-9]*_DIR:[A-Z]+=' "$cache")

if [ $found -eq 0 ]; then
  echo "no Qt6*_DIR in $cache" >&2
  exit 1
fi
if [ ${#failures[@]} -gt 0 ]; then
  printf '%s\n' "${failures[@]}" >&2
  exit 1
fi
echo "$found Qt packages, each from a package scripts/deps installs"
