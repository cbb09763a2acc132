#!/usr/bin/env bash
# The floors of src/, lowest first. A file may include the files of its own
# folder and of the floors below it, never those of a floor above: what a
# lower floor needs from above is handed down to it (see shell/HandDowns).
# This list is the one place where the order is written.
#
# Only src/ is checked: a test drives the windows as the user does and may
# reach any floor.
#
# Usage: check-layers.sh [source folder]   (default: src)
set -euo pipefail
cd "$(dirname "$0")/.."
SRC="${1:-src}"

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

status=0
for dir in "$SRC"/*/; do
  name=$(basename "$dir")
  if [[ ! -v rank[$name] ]]; then
    echo "$SRC/$name: a folder that is not in the order of floors (scripts/check-layers.sh)"
    status=1
  fi
done

while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  text=${rest#*:}
  from=${file#"$SRC"/}
  from=${from%%/*}
  target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
  [[ "$target" == */* ]] || continue # a file beside it
  to=${target%%/*}
  [[ -v rank[$to] && -v rank[$from] ]] || continue
  if ((rank[$to] > rank[$from])); then
    echo "$file:$line: $from includes $target, a floor above it"
    status=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$SRC" --include='*.h' --include='*.cpp' || true)

if ((status == 0)); then
  echo "Includes point down: ${LAYERS[*]}"
fi
exit $status
