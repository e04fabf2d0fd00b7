# Sourced by lib.sh: screenshots, pixels, and texts read by their pixels.

# --- screenshots and pixels ----------------------------------------------

# shot LABEL: a screenshot of the whole screen, numbered in taking order;
# prints its path.
shot() {
  local file count
  count=$(find "$E2E_SHOTS" -maxdepth 1 -name '*.png' | wc -l)
  file=$(printf '%s/%02d-%s.png' "$E2E_SHOTS" $((count + 1)) "$1")
  import -display "$DISPLAY" -window root "$file" 2>/dev/null || return 1
  echo "$file"
}

# pixel FILE X Y: "R G B" of one pixel of the screenshot (screen position).
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# region_mean FILE X Y W H: the mean "R G B" of a rectangle.
region_mean() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage \
    -format '%[fx:int(255*mean.r+0.5)] %[fx:int(255*mean.g+0.5)] %[fx:int(255*mean.b+0.5)]' info:
}

# near "R G B" "R G B" [TOLERANCE]: each channel within the tolerance (JPEG).
near() {
  local -a a=($1) b=($2)
  local tol=${3:-12} i d
  for i in 0 1 2; do
    d=$((a[i] - b[i]))
    ((d < 0)) && d=$((-d))
    ((d <= tol)) || return 1
  done
}

# --- reading texts by their pixels --------------------------------------

# Texts cannot be read from the screen, but a label's pixels can be compared
# with the same text drawn by e2e_text.exe ($E2E_TEXT_EXE) in the label's
# colours, font and format, in the same prefix and on the same display.

# render_texts FONT W H TEXT...: draws the texts once each; text_image then
# names the picture of one.
render_texts() {
  local font=$1 width=$2 height=$3 id file i=0 text
  shift 3
  win_start texts "$E2E_TEXT_EXE" "$font" "$width" "$height" "$@"
  id=$(find_window "探针 - 文字" 30) || { log "e2e_text.exe shows no window"; return 1; }
  file="$E2E_TMP/texts.png"
  wait_until 10 texts_painted "$id" "$file" "$height" "$#" || { log "texts not painted"; return 1; }
  for text in "$@"; do
    convert "$file" -crop "${width}x${height}+0+$((i * height))" +repage \
      "$(text_image "$font" "$width" "$height" "$text")"
    i=$((i + 1))
  done
  key "$id" alt+F4
  win_wait_exit texts 10 >/dev/null
}

# texts_painted ID FILE HEIGHT ROWS: a capture of the window in which every
# row begins with the page's colour.
texts_painted() {
  local row
  import -display "$DISPLAY" -window "$1" "$2" 2>/dev/null || return 1
  for row in $(seq 0 $(($4 - 1))); do
    near "$(pixel "$2" 0 $((row * $3)))" "22 131 196" 0 || return 1
  done
}

text_image() {
  echo "$E2E_TMP/text-$(printf '%s|' "$@" | md5sum | cut -c1-16).png"
}

# shows_text FILE X Y W H FONT TEXT: the screen rectangle of the screenshot
# shows exactly the rendered text (its top row is left out: another label may
# cover it).
shows_text() {
  local file=$1 x=$2 y=$3 w=$4 h=$5 reference
  local crop="$E2E_TMP/label.png" expected="$E2E_TMP/label-expected.png"
  reference=$(text_image "$6" "$w" "$h" "$7")
  [ -f "$reference" ] || { log "text not rendered: $7"; return 1; }
  convert "$file" -crop "${w}x$((h - 1))+${x}+$((y + 1))" +repage "$crop"
  convert "$reference" -crop "${w}x$((h - 1))+0+1" +repage "$expected"
  [ "$(compare -metric AE "$crop" "$expected" null: 2>&1 | cut -d' ' -f1)" = 0 ]
}
