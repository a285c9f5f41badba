# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that build libraries from Debian's own source packages
# (scripts/windows-libraries, scripts/web-libraries). Needs $cache, the script's cache
# folder; unpacks into $cache/src and keeps a private apt state in $cache/apt.

# Source packages come from the machine's own apt sources, turned into deb-src entries
# in a private apt folder: the system's apt configuration is left as it is.
apt_dir=$cache/apt
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
             -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
             -o "Dir::State::Lists=$apt_dir/lists"
             -o "Dir::Cache=$apt_dir/cache")
prepare_sources() {
  [ -f "$apt_dir/updated" ] && return
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  : > "$apt_dir/sources.list"
  [ -f /etc/apt/sources.list ] &&
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list > "$apt_dir/sources.list"
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -e "$file" ] || continue
    sed 's/^Types: deb$/Types: deb-src/' "$file" > "$apt_dir/sources.list.d/$(basename "$file")"
  done
  for file in /etc/apt/sources.list.d/*.list; do
    [ -e "$file" ] || continue
    sed -n 's/^deb \(.*\)/deb-src \1/p' "$file" > "$apt_dir/sources.list.d/$(basename "$file")"
  done
  apt-get "${apt_options[@]}" update -qq
  touch "$apt_dir/updated"
}

# Unpacks source package $1 into $cache/src/$1 and prints that folder. Given installed
# binary package $2, the source is taken at exactly its version (Qt must match the
# host's tools).
fetch_source() {
  local package=$1 binary=${2:-} version folder=$cache/src/$1
  if [ ! -f "$folder/.unpacked" ]; then
    prepare_sources >&2
    local versions
    if [ -n "$binary" ]; then
      versions=$(dpkg-query -W -f='${source:Version}' "$binary")
    else
      # Newest first; a mirror may not carry the newest source yet, so older ones follow.
      versions=$(apt-cache "${apt_options[@]}" showsrc "$package" |
                 sed -n 's/^Version: //p' | sort -r -V | uniq)
    fi
    for version in $versions; do
      rm -rf "$folder" && mkdir -p "$folder"
      (cd "$folder" && apt-get "${apt_options[@]}" source -qq "$package=$version" >&2) && break
    done
    local unpacked
    unpacked=$(find "$folder" -mindepth 1 -maxdepth 1 -type d -print -quit)
    [ -n "$unpacked" ] || { echo "no source unpacked for $package" >&2; return 1; }
    touch "$unpacked/.kavelo-source" "$folder/.unpacked"
  fi
  dirname "$(find "$folder" -mindepth 2 -maxdepth 2 -name .kavelo-source -print -quit)"
}

