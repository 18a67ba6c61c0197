# Sourced by the build scripts: makes sure the Debian packages named as
# arguments are installed. As root it installs what is missing (adding the
# i386 architecture first when a package asks for it); otherwise it names
# the apt-get line and stops.
package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        package_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local foreign=""
    if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
        foreign="dpkg --add-architecture i386 && "
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages; install them with:" >&2
        echo "  sudo sh -c '${foreign}apt-get update && apt-get install ${missing[*]}'" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}" >&2
    [ -z "$foreign" ] || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# The packages of the native build and its tests (the man-page checks among
# them).
NATIVE_PACKAGES=(cmake ninja-build g++ libgtest-dev man-db groff-base)

# The packages of the Windows cross builds and of running them under wine.
WINDOWS_PACKAGES=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 googletest)

# True when everything for the Windows builds and wine is installed.
windows_tools_present() {
    local package
    for package in "${WINDOWS_PACKAGES[@]}"; do
        package_installed "$package" || return 1
    done
}
