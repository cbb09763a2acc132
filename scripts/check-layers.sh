#!/usr/bin/env bash
# The floors of src/, lowest first. A file may include the files of its own
# folder and of the floors below it, never those of a floor above: what a
# lower floor needs from above is handed down to it (see shell/HandDowns).
# This list is the one place where the order is written.
#
# Only src/ is checked: a test drives the windows as the user does and may
# reach any floor.
#
# The check works from what the compiler opens, not from the text of the
# include lines: every file under the source folder is run through the
# preprocessor on its own as C++, with the program's include flags, and -H
# lists each header it opens with its depth, so every include has a known
# includer. Each path is resolved to its real place (so "../", "./", the
# include path and links all count), and an include from a file of one floor
# into a file of a floor above it fails, naming both files. A file directly
# in the source folder, or in a folder that is not a floor, fails too. System
# and Qt headers are not questioned.
#
# The preprocessor does not open a guarded header a second time, so a file
# including a header already brought in by another upward include is named
# once that other include is gone.
#
# Usage: check-layers.sh [source folder]   (default: src)
# JOBS sets the number of parallel runs (default: the number of processors).
set -euo pipefail
cd "$(dirname "$0")/.."
SRC="${1:-src}"
SRC="${SRC%/}"

LAYERS=(
  platform   # the outside world behind small interfaces
  common     # the window framework, records, archives, controls, pictures
  services   # the help window, the decimal-separator dialog, the main menu's return, the chosen year
  checks     # the identifier checkers (VAT number, tax code, card number, e-mail)
  printing   # the slip's print and the margin dialog
  backup     # the backup wizards
  summaries  # the summaries of payments and the Excel export
  registers  # the payee, payer and reason cards and lookups
  slips      # the year chooser, the slip form and its search
  shell      # login, password, main menu, register chooser; the hand-downs
  app        # main()
)

declare -A rank
for i in "${!LAYERS[@]}"; do
  rank[${LAYERS[$i]}]=$i
done

if [[ ! -d "$SRC" ]]; then
  echo "$SRC: no such folder"
  exit 1
fi
REAL_SRC=$(realpath -e -- "$SRC")

status=0
while IFS= read -r -d '' entry; do
  name=$(basename "$entry")
  if [[ -d "$entry" ]]; then
    if [[ ! -v rank[$name] ]]; then
      echo "$SRC/$name: a folder that is not in the order of floors (scripts/check-layers.sh)"
      status=1
    fi
  else
    echo "$SRC/$name: a file outside the floors; it belongs in the folder of its floor"
    status=1
  fi
done < <(find -L "$SRC" -mindepth 1 -maxdepth 1 -print0 | sort -z)

# The include flags of the build: the source folder and the libraries' own.
if ! LIB_FLAGS=$(pkg-config --cflags Qt6Widgets Qt6PrintSupport libzip xlsxwriter); then
  echo "pkg-config does not know the libraries the program builds with (scripts/deps.sh installs them)"
  exit 1
fi
read -ra LIB_FLAGS <<<"$LIB_FLAGS"
# GCC's -fdirectives-only follows the directives (includes, conditions, macro
# definitions) without expanding the text, which halves the time.
CPP=(g++ -std=c++20 -fPIC -w -I"$REAL_SRC" "${LIB_FLAGS[@]}" -x c++ -E -fdirectives-only -H -o /dev/null)

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# One preprocessor run per file. Each writes the file's own real path, then
# the headers it opened ("depth<TAB>path"), into a file of its own; a run that
# fails leaves its messages beside it.
preprocess() {
  local work=$1 file=${!#} out log ok=1
  shift
  out=$(mktemp "$work/pp.XXXXXX")
  log=$("$@" 2>&1) || ok=0
  {
    printf '0\t%s\n' "$(realpath -e -- "$file")"
    awk 'match($0, /^\.+ /) { print RLENGTH - 1 "\t" substr($0, RLENGTH + 1) }' <<<"$log"
  } >"$out"
  if ((!ok)); then
    printf '%s: the preprocessor could not read it\n%s\n' "$file" "$log" >"$out.failed"
  fi
}
export -f preprocess
find -L "$SRC" -mindepth 2 -type f -print0 |
  xargs -0 -r -n 1 -P "${JOBS:-$(nproc)}" bash -c 'preprocess "$@"' _ "$WORK" "${CPP[@]}"

shopt -s nullglob
failed=("$WORK"/*.failed)
if ((${#failed[@]})); then
  cat "${failed[@]}"
  status=1
fi
opened=("$WORK"/pp.??????)

# The real place of every path the preprocessor named, as "path<TAB>real".
cat /dev/null "${opened[@]}" | cut -f2 | sort -u >"$WORK/paths"
tr '\n' '\0' <"$WORK/paths" | xargs -0 -r realpath -m -- | paste "$WORK/paths" - >"$WORK/real"

# Every include whose nearest includer under the source folder lies on a
# lower floor than the file it opens.
if ! cat /dev/null "${opened[@]}" | awk -F '\t' -v src="$REAL_SRC" -v shown="$SRC" -v floors="${LAYERS[*]}" '
  BEGIN {
    n = split(floors, names, " ")
    for (i = 1; i <= n; i++) rank[names[i]] = i
  }
  FNR == NR { real[$1] = $2; next }
  function floor_of(path,   rest) {
    if (index(path, src "/") != 1) return ""
    rest = substr(path, length(src) + 2)
    if (index(rest, "/") == 0) return ""
    return substr(rest, 1, index(rest, "/") - 1)
  }
  function show(path) { return shown substr(path, length(src) + 1) }
  {
    depth = $1 + 0
    path = real[$2]
    opened[depth] = path
    if (depth == 0) next
    to = floor_of(path)
    if (!(to in rank)) next
    for (up = depth - 1; up >= 0; up--) {
      from = floor_of(opened[up])
      if (from != "") break
    }
    if (!(from in rank) || rank[to] <= rank[from]) next
    line = show(opened[up]) ": includes " show(path) ", of " to ", a floor above " from
    if (!(line in seen)) {
      seen[line] = 1
      print line
      bad = 1
    }
  }
  END { exit bad }
' "$WORK/real" - | sort; then
  status=1
fi

if ((status == 0)); then
  echo "Includes point down: ${LAYERS[*]}"
fi
exit $status
