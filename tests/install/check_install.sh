#!/usr/bin/env bash
# Checks an installed copy of the programs as a user would meet it.
#   check_install.sh tree <build-dir> <version>     cmake --install into a scratch prefix
#   check_install.sh package <build-dir> <version>  the Debian package: control data, file
#                                                   list, and its contents unpacked into a
#                                                   scratch root
# The installed programs run from an unrelated working directory and must find their own
# files inside the installed tree, never in the build tree.
set -u
mode="$1"
build="$2"
version="$3"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/elsewhere"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

installed_files=(
  bin/pfc-core
  bin/pfc-core-designer
  lib/pfc-core-designer/pfc-report-viewer
  share/pfc-core-designer/toridyne_logo.gif
  share/pfc-core-designer/gapcore.gif
  share/pfc-core-designer/disclaimer_header.png
  share/pfc-core-designer/window_header.png
  share/pfc-core-designer/side_strip.png
  share/pfc-core-designer/pfc-core-designer.png
  share/applications/pfc-core-designer.desktop
  share/mime/packages/pfc-core-designer.xml
  share/icons/hicolor/48x48/apps/pfc-core-designer.png
  share/icons/hicolor/256x256/apps/pfc-core-designer.png
  share/man/man1/pfc-core.1.gz
  share/man/man1/pfc-core-designer.1.gz
  share/doc/pfc-core-designer/copyright
  share/doc/pfc-core-designer/changelog.gz
  share/metainfo/example.toridyne.pfc_core_designer.metainfo.xml
)

# What the manual pages may show beyond ASCII; an escape that names the wrong glyph shows
# as some other character.
manual_glyphs=(° ² ³ ⁴ µ × ‐ – — ≤ ≥ ⟨ ⟩ ‘ ’ “ ”)

# A design file is known by its media type, and the desktop opens that type in the designer,
# when the installed tree is the only data folder the desktop looks in (the databases are
# built there as the package's triggers build them under /usr).
check_design_file_type() {
  local prefix="$1"
  update-mime-database "$prefix/share/mime" > /dev/null 2>&1 ||
    { fail "update-mime-database failed on the installed tree"; return; }
  update-desktop-database "$prefix/share/applications" > /dev/null 2>&1 ||
    { fail "update-desktop-database failed on the installed tree"; return; }
  local design="$scratch/elsewhere/boost-1kw.pfcdesign"
  printf '{"format": "pfc-design", "version": "1.0", "entries": {"output-power": "1000"}}\n' \
    > "$design"
  local found
  found="$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$prefix/share" \
    XDG_DATA_DIRS="$prefix/share" xdg-mime query filetype "$design" 2>&1)"
  [ "$found" = "application/x-pfc-design" ] || fail "a design file is taken for '$found'"
  found="$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$prefix/share" \
    XDG_DATA_DIRS="$prefix/share" xdg-mime query default application/x-pfc-design 2>&1)"
  [ "$found" = "pfc-core-designer.desktop" ] || fail "design files open in '$found'"
}

# Software centres read the metadata; it and the changelog name this version as the latest.
check_release_notes() {
  local prefix="$1"
  local metainfo="$prefix/share/metainfo/example.toridyne.pfc_core_designer.metainfo.xml"
  [ -f "$metainfo" ] || return
  appstreamcli validate --no-net "$metainfo" > "$scratch/appstream.log" 2>&1 ||
    fail "the AppStream metadata is not valid: $(cat "$scratch/appstream.log")"
  local latest
  latest="$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d '"' -f 2)"
  [ "$latest" = "$version" ] || fail "the AppStream metadata's latest release is '$latest'"
  local changelog="$prefix/share/doc/pfc-core-designer/changelog.gz"
  [ -f "$changelog" ] || return
  zcat "$changelog" > "$scratch/changelog"
  latest="$(dpkg-parsechangelog -l "$scratch/changelog" -S Version 2>&1)"
  [ "$latest" = "$version" ] || fail "the changelog's latest version is '$latest'"
}

# A manual page renders without complaints, in the glyphs it means.
check_manual_text() {
  local manual="$1"
  local complaints
  complaints="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" 2>&1 > /dev/null)"
  [ -z "$complaints" ] || fail "man complains about $(basename "$manual"): $complaints"
  local glyph odd=""
  while IFS= read -r glyph; do
    [[ " ${manual_glyphs[*]} " == *" $glyph "* ]] || odd+="$glyph"
  done < <(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$manual" 2> /dev/null | grep -o '[^ -~]' | sort -u)
  [ -z "$odd" ] || fail "$(basename "$manual") shows unexpected glyphs: $odd"
}

check_tree() {
  local prefix
  prefix="$(realpath "$1")"
  local file
  for file in "${installed_files[@]}"; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
  done
  cd "$scratch/elsewhere" || return

  local line
  line="$("$prefix/bin/pfc-core" --version)"
  [ "$line" = "pfc-core (PFC Core Designer) $version" ] || fail "pfc-core --version printed '$line'"
  # --version needs no display: the window system is not touched.
  line="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/pfc-core-designer" --version 2>&1)"
  [ "$line" = "pfc-core-designer (PFC Core Designer) $version" ] ||
    fail "pfc-core-designer --version printed '$line'"
  local viewer="$prefix/lib/pfc-core-designer/pfc-report-viewer"
  line="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$viewer" --version 2>&1)"
  [ "$line" = "pfc-report-viewer (PFC Core Designer) $version" ] ||
    fail "pfc-report-viewer --version printed '$line'"
  line="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$viewer" --help 2>&1 | head -n 1)"
  [ "$line" = "Usage: pfc-report-viewer [--window-icon FILE]" ] ||
    fail "pfc-report-viewer --help began with '$line'"

  # The report's images come from the installed data folder.
  if "$prefix/bin/pfc-core" design --report "$scratch/report.htm" > /dev/null; then
    for image in toridyne_logo.gif gapcore.gif; do
      grep -q "file://$prefix/share/pfc-core-designer/$image" "$scratch/report.htm" ||
        fail "the report does not show the installed $image"
    done
  else
    fail "pfc-core design --report failed"
  fi

  # The window's pictures and the report viewer are found in the installed tree.
  local startup
  startup="$(QT_QPA_PLATFORM=offscreen PFC_STARTUP_REPORT=1 "$prefix/bin/pfc-core-designer" 2>&1)"
  grep -q "^disclaimer shown" <<< "$startup" || fail "the disclaimer was not shown: $startup"
  grep -qx "pictures: $prefix/share/pfc-core-designer" <<< "$startup" ||
    fail "the windows' pictures were not taken from the data folder: $startup"
  grep -qx "viewer program: $prefix/lib/pfc-core-designer/pfc-report-viewer" <<< "$startup" ||
    fail "the report viewer program was not looked for in its installed folder: $startup"
  [ -x "$prefix/lib/pfc-core-designer/pfc-report-viewer" ] ||
    fail "the report viewer program is not executable"

  # Nothing points back into the build tree, and every library the programs need resolves.
  local binary
  for binary in bin/pfc-core bin/pfc-core-designer lib/pfc-core-designer/pfc-report-viewer; do
    if readelf -d "$prefix/$binary" | grep -qE 'RPATH|RUNPATH'; then
      fail "$binary keeps a library search path"
    fi
    if ldd "$prefix/$binary" | grep -q "not found"; then
      fail "$binary needs a library that is not found: $(ldd "$prefix/$binary" | grep 'not found')"
    fi
  done

  # The menu entry starts an installed program and names an installed icon.
  local entry="$prefix/share/applications/pfc-core-designer.desktop"
  if [ -f "$entry" ]; then
    desktop-file-validate "$entry" || fail "the desktop entry is not valid"
    grep -qx "Exec=pfc-core-designer %f" "$entry" || fail "the desktop entry starts something else"
    grep -qx "Icon=pfc-core-designer" "$entry" || fail "the desktop entry names another icon"
  fi
  check_design_file_type "$prefix"
  check_release_notes "$prefix"

  for page in pfc-core pfc-core-designer; do
    local manual="$prefix/share/man/man1/$page.1.gz"
    [ -f "$manual" ] || continue
    if ! gzip -t "$manual" || ! zcat "$manual" | grep -q '^\.TH'; then
      fail "the manual page $page.1.gz is not a compressed manual page"
    fi
    check_manual_text "$manual"
  done
  cd - > /dev/null || return
}

case "$mode" in
  tree)
    cmake --install "$build" --prefix "$scratch/prefix" > "$scratch/install.log" ||
      { cat "$scratch/install.log"; fail "cmake --install failed"; }
    check_tree "$scratch/prefix"
    ;;
  package)
    cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" > "$scratch/cpack.log" 2>&1 ||
      { cat "$scratch/cpack.log"; fail "cpack failed"; }
    deb="$scratch/package/pfc-core-designer_${version}_$(dpkg --print-architecture).deb"
    if [ ! -f "$deb" ]; then
      fail "no package $(basename "$deb"); built: $(ls "$scratch/package")"
    else
      [ "$(dpkg-deb -f "$deb" Package)" = "pfc-core-designer" ] || fail "wrong package name"
      [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "wrong package version"
      depends="$(dpkg-deb -f "$deb" Depends)"
      depended_packages="$(tr ',' '\n' <<< "$depends" | awk '{print $1}')"
      for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6printsupport6 \
        libqt6webenginewidgets6 libqt6webenginecore6-bin qt6-qpa-plugins fonts-liberation2 \
        xdg-utils libstdc++6; do
        grep -qxF "$needed" <<< "$depended_packages" || fail "Depends lacks $needed: $depends"
      done
      grep -q -- "-dev$" <<< "$depended_packages" && fail "Depends names a development package: $depends"
      dpkg-deb -c "$deb" | awk '{print $6}' > "$scratch/contents"
      for file in "${installed_files[@]}"; do
        grep -qx "./usr/$file" "$scratch/contents" || fail "the package lacks /usr/$file"
      done
      if grep -vE '^\./usr(/|$)' "$scratch/contents" | grep -q .; then
        fail "the package installs outside /usr: $(grep -vE '^\./usr(/|$)' "$scratch/contents")"
      fi
      # Debian's own checks of a package: not one error or warning, and among its notes
      # (-I) none on the programs' hardening or on sections a stripped program leaves out.
      lintian -I --fail-on error,warning "$deb" > "$scratch/lintian.log" 2>&1 ||
        fail "lintian: $(grep -v 'root privileges' "$scratch/lintian.log")"
      if grep -qE ' (hardening-[a-z-]+|binary-has-unneeded-section)( |$)' "$scratch/lintian.log"; then
        fail "lintian -I: $(grep -E 'hardening-|binary-has-unneeded-section' "$scratch/lintian.log")"
      fi
      dpkg-deb -x "$deb" "$scratch/root"
      check_tree "$scratch/root/usr"
      # apt resolves every dependency against the machine's package lists, without installing.
      if [ "$(id -u)" -eq 0 ]; then
        apt-get install -s -q "$deb" > "$scratch/apt.log" 2>&1 ||
          { cat "$scratch/apt.log"; fail "apt-get cannot install the package's dependencies"; }
      fi
    fi
    ;;
  *)
    echo "usage: check_install.sh tree|package <build-dir> <version>"
    exit 2
    ;;
esac

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed $mode checked"
