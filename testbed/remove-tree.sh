# Deleting a folder tree safely where mounts may be about (sourced; defines functions only).
# Prints every mount point at or below $1 that any process on the machine sees, in whatever mount
# namespace it runs (a session's mounts are invisible to the host's own mount table).
mounts_below() {
  local dir
  dir="$(realpath -m "$1")"
  # (processes may end while they are read)
  { cat /proc/[0-9]*/mountinfo 2>/dev/null || true; } |
    awk -v d="$dir" '{ p = $5; gsub(/\\040/, " ", p); if (p == d || index(p, d "/") == 1) print p }' |
    sort -u
}

# Removes a folder tree only when nothing is mounted at or below it anywhere: a recursive delete
# through a bind mount deletes the tree mounted there (a source tree, /dev, /tmp).
remove_tree() {
  local dir="$1" mounted
  mounted="$(mounts_below "$dir")"
  if [ -n "$mounted" ]; then
    echo "wine10: not removing $dir: mounted inside it: $(echo "$mounted" | tr '\n' ' ')" >&2
    return 1
  fi
  rm -rf --one-file-system -- "$dir"
}
