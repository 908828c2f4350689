# Sourced by ./run and ./test: installs missing packages, then configures and builds.
# usage: pm_setup <build dir> <cmake build type> [extra cmake arguments...]

pm_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

pm_install_packages() {
  local missing=()
  local pkg
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done < "$pm_root/scripts/packages.txt"
  ((${#missing[@]} == 0)) && return 0
  if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# usage: pm_configure <build dir> <cmake build type> [extra cmake arguments...]
pm_configure() {
  local build_dir=$1 build_type=$2
  shift 2
  pm_install_packages || return 1
  cmake -S "$pm_root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "$@"
}

pm_setup() {
  pm_configure "$@" || return 1
  cmake --build "$1" -j "$(nproc)"
}
