#!/bin/sh
# compare_cli.sh HOST_EXTRACT_ZIP MAKE_SAMPLES WINDOWS_EXTRACT_ZIP WINE_RUN
#
# Runs extract-zip on the host and extract-zip.exe under Wine on the same
# archives: the sample archives, archives made by zip and bsdtar, a missing
# archive, and stops at a report. Both must print the same report lines and
# result and exit alike, and leave the same tree (Wine writes names as UTF-8,
# the host as the archive's code-page-936 bytes). Whenever the result is 1,
# the tree must also be byte-identical to what unzip extracts.
set -u

host=$1
make_samples=$2
windows=$3
wine_run=$4

if [ ! -f "$windows" ]; then
  echo "skipped: $windows is not built (build the win64 preset first)"
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/extract-cli-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

mkdir -p "$work/archives" "$work/tree/folder/deeper"
"$make_samples" "$work/archives"
seq 1 30000 > "$work/tree/numbers.txt"
head -c 70000 /dev/urandom > "$work/tree/folder/random.bin"
: > "$work/tree/folder/deeper/empty"
(cd "$work/tree" && zip -q -r "$work/archives/made-by-zip.zip" .)
(cd "$work/tree" && bsdtar --format zip -cf "$work/archives/made-by-bsdtar.zip" .)

# Lists a tree as UTF-8 names with each file's checksum.
list_tree() {
  (cd "$1" && find . -type f -exec md5sum {} + ; find . -type d) | iconv -f "$2" -t UTF-8 |
    LC_ALL=C sort
}

run_case() {
  name=$1
  archive=$2
  shift 2
  "$host" "$archive" "$work/host/$name" "$@" > "$work/$name.host" 2> "$work/$name.host.err"
  echo "exit $?" >> "$work/$name.host"
  "$wine_run" "$windows" "Z:$archive" "Z:$work/wine/$name" "$@" > "$work/$name.wine.raw" \
    2> "$work/$name.wine.err"
  code=$?
  tr -d '\r' < "$work/$name.wine.raw" > "$work/$name.wine"
  echo "exit $code" >> "$work/$name.wine"
  if ! cmp -s "$work/$name.host" "$work/$name.wine"; then
    fail "$name: reports differ"
    diff "$work/$name.host" "$work/$name.wine"
  fi
  [ -d "$work/host/$name" ] || return 0
  list_tree "$work/host/$name" GBK > "$work/$name.host.tree"
  list_tree "$work/wine/$name" UTF-8 > "$work/$name.wine.tree"
  if ! cmp -s "$work/$name.host.tree" "$work/$name.wine.tree"; then
    fail "$name: trees differ between host and Wine"
    diff "$work/$name.host.tree" "$work/$name.wine.tree"
  fi
  if [ "$#" -eq 0 ] && grep -q '^result 1$' "$work/$name.host"; then
    # unzip re-encodes the non-ASCII names of archives made on MS-DOS or
    # Windows from the OEM code page; the Unix-made twin covers those bytes.
    [ "$name" = code-page-936 ] && return 0
    unzipped=$((unzipped + 1))
    mkdir -p "$work/unzip/$name"
    unzip -q -o "$archive" -d "$work/unzip/$name"
    if ! diff -r "$work/host/$name" "$work/unzip/$name" > "$work/$name.unzip.diff"; then
      fail "$name: tree differs from unzip's"
      cat "$work/$name.unzip.diff"
    fi
  fi
}

cases=0
unzipped=0
for archive in "$work"/archives/*.zip; do
  run_case "$(basename "$archive" .zip)" "$archive"
  cases=$((cases + 1))
done
run_case stop-at-first "$work/archives/payload-shape.zip" --stop-at 1
run_case stop-at-closing "$work/archives/payload-shape.zip" --stop-at 11
run_case missing "$work/archives/absent.zip"
cases=$((cases + 3))

# Bad arguments: usage on standard error and exit 64, nothing on stdout.
"$host" only-one > "$work/usage.out" 2> /dev/null
[ $? -eq 64 ] && [ ! -s "$work/usage.out" ] || fail "usage: host exit or output"

echo "trees compared with unzip: $unzipped"
echo "$((cases - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
