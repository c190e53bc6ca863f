# Shared by ./run and ./test: installs what is missing, then configures and builds.
# Sourced, not run; expects QUILLORO_ROOT to be set.

QUILLORO_PACKAGES=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev python3 binutils fonts-dejavu-core libfreetype-dev
  qt6-translations-l10n
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev xvfb xdotool desktop-file-utils appstream dpkg-dev file)

quilloro_install_packages() {
  local missing=()
  for pkg in "${QUILLORO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
      echo "Packages are missing and this is not root: run as root or install them by hand." >&2
      return 1
    fi
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}

# quilloro_build DIR [cmake options...]
quilloro_build() {
  local dir=$1; shift
  cmake -S "$QUILLORO_ROOT" -B "$dir" -G Ninja "$@" >/dev/null &&
    cmake --build "$dir" --parallel "$(nproc)"
}
