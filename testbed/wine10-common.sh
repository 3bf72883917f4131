# Shared by the Wine 10 scripts of the test bed (sourced).
# cache: the root's own cache folder; root: the finished root; run: where a session mounts it.
cache="$(realpath -m "${VELKORA_WINE10_CACHE:-$HOME/.cache/velkora-wine10}")"
root="$cache/root"
# Each session mounts a tmpfs of its own here, in its private mount namespace; outside a session
# it is an empty folder.
run="$cache/run"

# shellcheck source=testbed/remove-tree.sh
. "$(dirname "${BASH_SOURCE[0]}")/remove-tree.sh"
