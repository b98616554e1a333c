#!/usr/bin/env bash
# Follows the README on a fresh Debian system, as a newcomer would, so that a
# change to the README can be checked: run by hand, as root, not by CI.
#
#   tools/swiezy_system.sh [FOLDER]
#
# 1. Makes a minimal Debian 12 root with debootstrap and removes its package
#    lists, as container images ship.
# 2. In a copy of it, clones the sources (the commit checked out) into
#    /root/kwadrat11 and runs every ```sh block of the README's sections
#    "Getting started" and "Installing" exactly as written, in order, from
#    that folder, as root with a fresh login's environment. The game reads the
#    answers 2 4 4 3 2 and an Enter wherever it is started. apt-get is told to
#    answer yes, as the newcomer would.
# 3. In another copy, with only the packages of the README's first
#    apt-get line except git, shows what configure says in that checkout.
#
# FOLDER (default: a new folder under /var/tmp) keeps the roots and a log of
# each block. Needs debootstrap, git and a network that reaches Debian's
# archive (MIRROR, default http://deb.debian.org/debian).
set -euo pipefail

zrodla=$(cd "$(dirname "$0")/.." && pwd)
katalog=${1:-$(mktemp -d /var/tmp/kwadrat11-swiezy-system.XXXXXX)}
lustro=${MIRROR:-http://deb.debian.org/debian}

if ((EUID != 0)); then
    echo "$0: run as root (debootstrap and chroot need it)" >&2
    exit 2
fi
for program in debootstrap git; do
    command -v "$program" >/dev/null || { echo "$0: needs $program (apt-get install $program)" >&2; exit 2; }
done
if [[ -n $(git -C "$zrodla" status --porcelain --untracked-files=no) ]]; then
    echo "$0: note: the roots get the last commit; changes not committed are left out" >&2
fi

krok() { printf '\n=== %s ===\n' "$*"; }

zamontowane=()
sprzatnij() {
    for punkt in "${zamontowane[@]}"; do
        umount -R "$punkt" 2>/dev/null || true
    done
}
trap sprzatnij EXIT

# A copy of the fresh root under NAME, with the sources cloned into it; its
# path in $korzen.
nowy_korzen() {
    korzen="$katalog/$1"
    # What an earlier run left mounted there goes first; never past it.
    umount -R "$korzen/dev" "$korzen/proc" 2>/dev/null || true
    rm -rf --one-file-system "$korzen"
    cp -a "$katalog/baza" "$korzen"
    cp /etc/resolv.conf "$korzen/etc/resolv.conf"
    # The newcomer answers yes to apt-get's questions.
    echo 'APT::Get::Assume-Yes "true";' >"$korzen/etc/apt/apt.conf.d/90kwadrat11-tak"
    git clone --quiet "$zrodla" "$korzen/root/kwadrat11"
    # /proc, and the host's /dev with its pseudo-terminals, which the live
    # tests play on, as a booted system or a container has them.
    mount -t proc proc "$korzen/proc"
    mount --rbind /dev "$korzen/dev"
    mount --make-rslave "$korzen/dev"
    zamontowane+=("$korzen/proc" "$korzen/dev")
}

# Runs a script file inside a root, in /root/kwadrat11, as a fresh root login.
w_korzeniu() {
    local korzen=$1 skrypt=$2
    chroot "$korzen" /usr/bin/env -i HOME=/root TERM=dumb DEBIAN_FRONTEND=noninteractive \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "cd /root/kwadrat11 && bash -e -x $skrypt"
}

krok "A minimal Debian 12 root, without package lists"
if [[ ! -d $katalog/baza ]]; then
    debootstrap --variant=minbase bookworm "$katalog/baza.nowa" "$lustro" >"$katalog/debootstrap.log"
    mv "$katalog/baza.nowa" "$katalog/baza"
fi
rm -rf "$katalog"/baza/var/lib/apt/lists/*
echo "$katalog/baza"

krok "The README, block by block"
nowy_korzen readme
printf '2\n4\n4\n3\n2\n\n' >"$korzen/tmp/odpowiedzi"
awk -v cel="$korzen/tmp" '
    /^## / { sekcja = substr($0, 4) }
    /^```sh$/ && (sekcja == "Getting started" || sekcja == "Installing") { n++; w = 1; next }
    /^```$/ { w = 0 }
    w { print > (cel "/blok-" n ".sh") }
' "$zrodla/README.md"
bledy=0
for blok in $(cd "$korzen/tmp" && ls blok-*.sh | sort -t- -k2 -n); do
    printf '\n--- %s ---\n' "$blok"
    cat "$korzen/tmp/$blok"
    if w_korzeniu "$korzen" "/tmp/$blok" <"$korzen/tmp/odpowiedzi" >"$katalog/${blok%.sh}.log" 2>&1; then
        echo "(ok; log: $katalog/${blok%.sh}.log)"
    else
        echo "FAILED; the end of its log, $katalog/${blok%.sh}.log:"
        tail -n 30 "$katalog/${blok%.sh}.log"
        bledy=1
        break
    fi
done

krok "What the README's commands showed"
logi=("$katalog"/blok-*.log)
grep -h -E 'not run \(|^CMake Warning' "${logi[@]}" | sort -u || true
grep -h -E 'tests passed|tests failed' "${logi[@]}" || true
echo "lines with BRAWO! in the logs: $(cat "${logi[@]}" | grep -c 'BRAWO!')"
grep -h -A3 '^KWADRAT11(6)' "${logi[@]}" | head -n 8 || true

krok "A git checkout whose git is not installed: what configure says"
nowy_korzen bez-git
cat >"$korzen/tmp/bez-git.sh" <<'EOF'
apt-get update -q >/dev/null
apt-get install -q cmake g++ libgtest-dev >/dev/null
cmake --preset dev
EOF
w_korzeniu "$korzen" /tmp/bez-git.sh 2>&1 </dev/null | tee "$katalog/bez-git.log" |
    sed -n '/CMake Warning/,/^$/p; /Neither a git/p; /not run (/p'

exit "$bledy"
