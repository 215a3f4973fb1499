#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks the tree as a desktop would read it:
# the desktop entry, the AppStream metainfo, the manual pages, the icons, the completion.
# Usage: install_tree_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
need() { [ -e "$prefix/$1" ] || { echo "missing: $1"; fail=1; }; }
for file in bin/sonarel bin/sonarel-cli bin/noted bin/sonarel-report \
  share/sonarel/translations/sonarel_es.qm share/sonarel/translations/sonarel_ko.qm \
  share/sonarel/translations/sonarel_pt.qm share/sonarel/help/en/index.html \
  share/sonarel/help/es/index.html share/applications/sonarel.desktop \
  share/metainfo/org.sonarel.sonarel.metainfo.xml \
  share/icons/hicolor/scalable/apps/sonarel.svg share/icons/hicolor/48x48/apps/sonarel.png \
  share/icons/hicolor/256x256/apps/sonarel.png share/man/man1/sonarel.1.gz \
  share/man/man1/sonarel-cli.1.gz share/bash-completion/completions/sonarel-cli; do
  need "$file"
done
desktop=$prefix/share/applications/sonarel.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail=1
[ -z "$out" ] || { echo "desktop-file-validate: $out"; fail=1; }
grep -qx 'MimeType=audio/x-wav;audio/wav;' "$desktop" || { echo "no WAVE MimeType"; fail=1; }
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.sonarel.sonarel.metainfo.xml" \
  >/dev/null || { echo "appstreamcli validate failed"; fail=1; }
for page in sonarel sonarel-cli; do
  text=$(MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null) || fail=1
  [ -z "$text" ] || { echo "man -l $page: $text"; fail=1; }
  MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^NAME" ||
    { echo "man -l $page renders no NAME"; fail=1; }
done
# The completion loads in bash and offers the subcommands and an option's values.
completion=$prefix/share/bash-completion/completions/sonarel-cli
words=$(bash -c "source '$completion'; COMP_WORDS=(sonarel-cli st); COMP_CWORD=1; _sonarel_cli;
  echo \"\${COMPREPLY[*]}\"; COMP_WORDS=(sonarel-cli stats x.wav --format ''); COMP_CWORD=4;
  _sonarel_cli; echo \"\${COMPREPLY[*]}\"")
[ "$words" = $'stats\ntext csv json' ] || { echo "completion offers: $words"; fail=1; }
"$prefix/bin/sonarel-cli" --help >/dev/null || { echo "installed sonarel-cli fails"; fail=1; }
exit $fail
