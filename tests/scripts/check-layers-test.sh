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
  T=$WORK/$1/src
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

# expect_upward CASE INCLUDER INCLUDED: the check fails with exactly one
# upward include, from INCLUDER to INCLUDED (paths under the scratch tree).
expect_upward() {
  run
  local want="$T/$2: includes $T/$3,"
  if ((code == 0)); then
    fail "$1: the check passed"
  elif [[ "$output" != *"$want"* ]]; then
    fail "$1: no line names $2 including $3"
  elif (($(grep -c ': includes ' <<<"$output") != 1)); then
    fail "$1: files other than $2 are named as including a floor above"
  fi
}

# expect_named CASE FILE: the check fails and names FILE.
expect_named() {
  run
  if ((code == 0)); then
    fail "$1: the check passed"
  elif [[ "$output" != *"$T/$2"* ]]; then
    fail "$1: $2 is not named"
  fi
}

fresh clean
run
((code == 0)) || fail "the tree whose includes point down fails"

fresh parent
add common/Record.h '#include "../shell/HandDowns.h"'
expect_upward 'up through ../' common/Record.h shell/HandDowns.h

fresh angle
add platform/File.h '#include <slips/Assegno.h>'
expect_upward 'up through <>' platform/File.h slips/Assegno.h

fresh dot
add checks/Vat.h '#include "./registers/CardExport.h"'
expect_upward 'up through ./ on the include path' checks/Vat.h registers/CardExport.h

fresh inner
add services/Help.h '#include "common/../shell/HandDowns.h"'
expect_upward 'up past a lower folder' services/Help.h shell/HandDowns.h

# The upward include sits in a part that a header and its .cpp bring in:
# the part is named, not the files that include it.
fresh inl
put common/Record.inl '#include "shell/HandDowns.h"'
add common/Record.h '#include "Record.inl"'
expect_upward 'up from a .inl' common/Record.inl shell/HandDowns.h

# A header that nothing includes is read all the same.
fresh hpp
put checks/Luhn.hpp '#pragma once' '#include "slips/Assegno.h"'
expect_upward 'up from a .hpp nobody includes' checks/Luhn.hpp slips/Assegno.h

# A link in a lower floor to a file above it counts where it leads.
fresh link
ln -s ../shell/HandDowns.h "$T/common/Hand.h"
add common/Record.cpp '#include "Hand.h"'
expect_upward 'up through a link' common/Record.cpp shell/HandDowns.h

fresh loose
put Loose.h '#pragma once'
expect_named 'a file at the top' Loose.h

fresh folder
put extras/Extra.h '#pragma once'
expect_named 'a folder out of the order' extras

# An include the preprocessor cannot follow hides whatever lies past it.
fresh missing
add services/Help.h '#include "common/Gone.h"'
expect_named 'an include that leads nowhere' services/Help.h

if ((failures)); then
  echo "$failures case(s) failed"
  exit 1
fi
echo "The layer check passes the clean tree and names every upward include"
