# Debian packages the build and the tests need, and a function that installs
# the missing ones (through sudo when not root). Sourced by the set-up scripts.

flotilla_packages=(g++ make cmake pkg-config libgtest-dev libbenchmark-dev
    libsdl1.2-dev libsdl-ttf2.0-dev libsdl-mixer1.2-dev fonts-liberation libreadline-dev
    xvfb xauth xdotool python3 python3-xlib tmux
    desktop-file-utils groff-base dpkg-dev file)

ensure_packages() {
    local missing=()
    local package
    for package in "${flotilla_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Missing packages (${missing[*]}) and no sudo to install them; install them as root." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}
