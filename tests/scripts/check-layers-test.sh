#!/usr/bin/env bash
# The layer check against a small tree with the floors of src/: it passes on
# the tree whose includes all point down, whatever their spelling, and fails,
# naming the including file and the included one, on each form an upward
# include can take.
set -uo pipefail
CHECK="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers.sh"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export JOBS=${JOBS:-2}
failures=0
trees=0

fail() {
  echo "FAILED: $1"
  printf '%s\n' "$output" | sed 's/^/    /'
  failures=$((failures + 1))
}

put() { # put FILE LINE...: writes the lines into FILE under the scratch tree
  local file=$T/$1
  shift
  mkdir -p "$(dirname "$file")"
  printf '%s\n' "$@" >"$file"
}

add() { # add FILE LINE: appends a line to FILE under the scratch tree
  printf '%s\n' "$2" >>"$T/$1"
}

# Each floor includes the one below it through another spelling: beside it,
# through "../", through the include path with <>, with "./" and past a folder
# with "..". System headers, and in one file Qt's, are opened along the way.
fresh() {
  trees=$((trees + 1))
  T=$WORK/$trees/src
  put platform/Text.h '#pragma once' '#include <QString>'
  put platform/File.h '#pragma once' '#include <vector>'
  put platform/File.cpp '#include "File.h"'
  put common/Record.h '#pragma once' '#include "platform/File.h"'
  put common/Record.cpp '#include "Record.h"' '#include "../platform/File.h"'
  put services/Help.h '#pragma once' '#include <common/Record.h>'
  put checks/Vat.h '#pragma once' '#include "./services/Help.h"'
  put registers/CardExport.h '#pragma once' '#include "checks/Vat.h"'
  put slips/Assegno.h '#pragma once' '#include "registers/CardExport.h"'
  put shell/HandDowns.h '#pragma once' '#include "slips/Assegno.h"'
  put shell/HandDowns.cpp '#include "HandDowns.h"' '#include "common/../slips/Assegno.h"'
  put app/main.cpp '#include "shell/HandDowns.h"' 'int main() {}'
}

run() {
  output=$(bash "$CHECK" "$T" 2>&1)
  code=$?
}

# expect_named CASE FILE [INCLUDED]: the check fails and names FILE; given
# INCLUDED, FILE is named as including it, and as the only file including a
# floor above (paths under the scratch tree).
expect_named() {
  run
  local want="$T/$2" what=$2
  if (($# > 2)); then
    want="$T/$2: includes $T/$3,"
    what="$2 including $3"
  fi
  if ((code == 0)); then
    fail "$1: the check passed"
  elif [[ "$output" != *"$want"* ]]; then
    fail "$1: no line names $what"
  elif (($# > 2)) && (($(grep -c ': includes ' <<<"$output") != 1)); then
    fail "$1: files other than $2 are named as including a floor above"
  fi
}

fresh
run
((code == 0)) || fail "the tree whose includes point down fails"

# One include planted in a file of a lower floor, spelt each way that reaches
# a floor above: case|file|include|the file it opens.
while IFS='|' read -r name file include included; do
  fresh
  add "$file" "$include"
  expect_named "$name" "$file" "$included"
done <<'CASES'
up through ../|common/Record.h|#include "../shell/HandDowns.h"|shell/HandDowns.h
up through <>|platform/File.h|#include <slips/Assegno.h>|slips/Assegno.h
up through ./ on the include path|checks/Vat.h|#include "./registers/CardExport.h"|registers/CardExport.h
up past a lower folder|services/Help.h|#include "common/../shell/HandDowns.h"|shell/HandDowns.h
CASES

# The upward include sits in a part that a header and its .cpp bring in:
# the part is named, not the files that include it.
fresh
put common/Record.inl '#include "shell/HandDowns.h"'
add common/Record.h '#include "Record.inl"'
expect_named 'up from a .inl' common/Record.inl shell/HandDowns.h

# A header that nothing includes is read all the same.
fresh
put checks/Luhn.hpp '#pragma once' '#include "slips/Assegno.h"'
expect_named 'up from a .hpp nobody includes' checks/Luhn.hpp slips/Assegno.h

# A link in a lower floor to a file above it counts where it leads.
fresh
ln -s ../shell/HandDowns.h "$T/common/Hand.h"
add common/Record.cpp '#include "Hand.h"'
expect_named 'up through a link' common/Record.cpp shell/HandDowns.h

fresh
put Loose.h '#pragma once'
expect_named 'a file at the top' Loose.h

fresh
put extras/Extra.h '#pragma once'
expect_named 'a folder out of the order' extras

# An include the preprocessor cannot follow hides whatever lies past it.
fresh
add services/Help.h '#include "common/Gone.h"'
expect_named 'an include that leads nowhere' services/Help.h

if ((failures)); then
  echo "$failures case(s) failed"
  exit 1
fi
echo "The layer check passes the clean tree and names every upward include"
