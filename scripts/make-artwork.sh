#!/usr/bin/env bash
# Draws the program's pictures into res/art/ (24-bit BMP files the build embeds).
# Run by hand after changing the artwork; the build itself needs no drawing tools.
# Needs ImageMagick and the DejaVu fonts (apt-get install imagemagick fonts-dejavu-core).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/res/art"
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

SANS=DejaVu-Sans
BOLD=DejaVu-Sans-Bold
SYM=DejaVu-Sans
BODY='#22365a'     # the navigator's body behind the buttons
SILVER='#c0c0c0'   # outside the window's outline

save() { convert "$1" -alpha off -type TrueColor "BMP3:$out/$2.bmp"; }

# A round icon with its symbol centred: icon file size symbol colour pointsize
icon() {
  local f=$1 size=$2 sym=$3 col=$4 pt=$5
  convert -size "${size}x${size}" xc:none -fill "$col" -draw "circle $((size/2)),$((size/2)) $((size/2)),1" \
    -font "$SYM" -pointsize "$pt" -fill white -gravity center -annotate +0+0 "$sym" "$f"
}

# --- navigator background, 490 x 400 -------------------------------------------
convert -size 490x400 "xc:$SILVER" \
  +antialias -fill "$BODY" -draw "roundrectangle 0,0 489,399 26,26" \
  "$tmp/base.png"
# Title band with a soft gradient.
convert -size 470x52 gradient:'#3d6aa8-#22365a' "$tmp/band.png"
convert -size 470x52 xc:none -fill white -draw "roundrectangle 0,0 469,51 18,18" "$tmp/bandmask.png"
convert "$tmp/band.png" "$tmp/bandmask.png" -compose CopyOpacity -composite "$tmp/bandpill.png"
convert "$tmp/base.png" "$tmp/bandpill.png" -geometry +10+6 -composite "$tmp/base3.png"
convert "$tmp/base3.png" \
  -antialias -font "$BOLD" -pointsize 28 -fill white -annotate +24+44 'Sorvane' \
  -font "$SANS" -pointsize 12 -fill '#bcd3f2' -annotate +170+42 'PC maintenance suite' \
  -fill '#2c4470' -draw "roundrectangle 296,60 481,384 10,10" \
  -stroke '#4f6f9f' -fill none -draw "roundrectangle 296,60 481,384 10,10" \
  -stroke none -fill '#7f9cc8' -font "$SANS" -pointsize 10 -annotate +24+388 'Point at a tool to learn what it does; click to open it.' \
  "$tmp/nav.png"
save "$tmp/nav.png" navback

# --- version picture ---------------------------------------------------------------
convert -size 120x16 "xc:$BODY" -font "$SANS" -pointsize 10 -fill '#9fb6da' -gravity east -annotate +2+0 'Version 1.0.0' "$tmp/ver.png"
save "$tmp/ver.png" navversion

# --- tool buttons, 270 x 35: normal, lit and pressed -----------------------------------
# name|label|symbol|colour
tools=(
  "junk|Junk File Cleaner|♻|#3a9d5d"
  "eraser|Internet Privacy Eraser|⌫|#c0504d"
  "shortcuts|Invalid Shortcut Cleaner|➚|#d98a1f"
  "uninstall|Uninstaller List Cleaner|✖|#8e5cc2"
  "dupes|Duplicate File Finder|❐|#2f8fb3"
  "reg|Registry Cleaner|⚙|#5a6f8f"
  "startup|Startup Manager|▶|#c2458f"
  "safe|Install Monitor|◎|#2aa198"
  "sched|Scheduled Maintenance|◷|#b58900"
)
button() { # file width height fill-top fill-bottom border text-colour symbol label colour dx dy
  local f=$1 w=$2 h=$3 t=$4 b=$5 border=$6 tc=$7 sym=$8 label=$9 col=${10} dx=${11} dy=${12}
  local ph=$((h - 5))
  convert -size "${w}x${ph}" "gradient:$t-$b" "$tmp/grad.png"
  convert -size "${w}x${ph}" xc:none -fill white -draw "roundrectangle 0,0 $((w-1)),$((ph-1)) 8,8" "$tmp/mask.png"
  convert "$tmp/grad.png" "$tmp/mask.png" -compose CopyOpacity -composite "$tmp/pill.png"
  icon "$tmp/icon.png" 24 "$sym" "$col" 13
  convert -size "${w}x${h}" "xc:$BODY" "$tmp/pill.png" -geometry +0+2 -composite \
    -fill none -stroke "$border" -strokewidth 1 -draw "roundrectangle 0,2 $((w-1)),$((ph+1)) 8,8" \
    -stroke none "$tmp/icon.png" -geometry "+$((6+dx))+$((5+dy))" -composite \
    -font "$BOLD" -pointsize 12 -fill "$tc" -gravity NorthWest -annotate "+$((38+dx))+$((h/2-10+dy))" "$label" \
    "$f"
}
for entry in "${tools[@]}"; do
  IFS='|' read -r name label sym col <<<"$entry"
  button "$tmp/up.png" 270 35 '#f4f7fb' '#d9e2ee' '#8ea3c2' '#1f3356' "$sym" "$label" "$col" 0 0
  button "$tmp/over.png" 270 35 '#fffaf0' '#ffe08a' '#e0a800' '#3a2a00' "$sym" "$label" "$col" 0 0
  button "$tmp/down.png" 270 35 '#c3d0e4' '#dde6f2' '#6f86aa' '#1f3356' "$sym" "$label" "$col" 1 1
  save "$tmp/up.png" "btn_${name}_up"
  save "$tmp/over.png" "btn_${name}_over"
  save "$tmp/down.png" "btn_${name}_down"
done

# --- the other buttons, 168 x 32: normal and pressed ------------------------------------
others=(
  "logs|Statistics and Logs|≡|#4a7bbd"
  "web|Sorvane on the Web|@|#3a9d5d"
  "help|Help|?|#d98a1f"
  "exit|Exit|⏏|#c0504d"
)
PANEL='#2c4470'
small() { # file top bottom border text sym label colour dx dy
  local f=$1 t=$2 b=$3 border=$4 tc=$5 sym=$6 label=$7 col=$8 dx=$9 dy=${10}
  convert -size 168x30 "gradient:$t-$b" "$tmp/sgrad.png"
  convert -size 168x30 xc:none -fill white -draw "roundrectangle 0,0 167,29 8,8" "$tmp/smask.png"
  convert "$tmp/sgrad.png" "$tmp/smask.png" -compose CopyOpacity -composite "$tmp/spill.png"
  icon "$tmp/sicon.png" 22 "$sym" "$col" 12
  convert -size 168x32 "xc:$PANEL" "$tmp/spill.png" -geometry +0+1 -composite \
    -fill none -stroke "$border" -draw "roundrectangle 0,1 167,30 8,8" \
    -stroke none "$tmp/sicon.png" -geometry "+$((5+dx))+$((5+dy))" -composite \
    -font "$BOLD" -pointsize 11 -fill "$tc" -gravity NorthWest -annotate "+$((34+dx))+$((8+dy))" "$label" \
    "$f"
}
for entry in "${others[@]}"; do
  IFS='|' read -r name label sym col <<<"$entry"
  small "$tmp/up.png" '#f4f7fb' '#d9e2ee' '#8ea3c2' '#1f3356' "$sym" "$label" "$col" 0 0
  small "$tmp/down.png" '#c3d0e4' '#dde6f2' '#6f86aa' '#1f3356' "$sym" "$label" "$col" 1 1
  save "$tmp/up.png" "btn_${name}_up"
  save "$tmp/down.png" "btn_${name}_down"
done

# --- hint pictures, 167 x 167 ------------------------------------------------------------
hint() { # name symbol colour title text
  local name=$1 sym=$2 col=$3 title=$4 text=$5
  convert -size 112x40 -background none -font "$BOLD" -pointsize 11 -fill '#1f3356' "caption:$title" "$tmp/title.png"
  convert -size 147x108 -background none -font "$SANS" -pointsize 10 -fill '#33435e' "caption:$text" "$tmp/text.png"
  icon "$tmp/hicon.png" 30 "$sym" "$col" 16
  convert -size 167x167 "xc:$PANEL" \
    -fill '#f7f9fc' -stroke '#9fb6da' -draw "roundrectangle 1,1 165,165 10,10" -stroke none \
    "$tmp/hicon.png" -geometry +9+11 -composite \
    "$tmp/title.png" -geometry +46+10 -composite \
    "$tmp/text.png" -geometry +11+52 -composite \
    "$tmp/hint.png"
  save "$tmp/hint.png" "hint_$name"
}
hint junk "♻" '#3a9d5d' 'Junk File Cleaner' 'Finds temporary, backup and other leftover files by name, in chosen folders and empty files, and removes the ones you pick, to the Recycle Bin by default.'
hint eraser "⌫" '#c0504d' 'Internet Privacy Eraser' 'Erases browser cookies, cache, history and typed addresses, and the lists of recently used documents, commands and searches.'
hint shortcuts "➚" '#d98a1f' 'Invalid Shortcut Cleaner' 'Finds shortcuts whose target is gone, searches for a moved target to repair them, and removes the rest.'
hint uninstall "✖" '#8e5cc2' 'Uninstaller List Cleaner' 'Lists entries of the installed programs list whose uninstaller is missing, and removes those you choose.'
hint dupes "❐" '#2f8fb3' 'Duplicate File Finder' 'Finds files that are the same by name, size, date or content. Look closely at each set before removing any.'
hint reg "⚙" '#5a6f8f' 'Registry Cleaner' 'Finds registry values that name missing files or folders and orphaned shared-DLL counts; every removal can be undone.'
hint startup "▶" '#c2458f' 'Startup Manager' 'Shows the programs that start when you log on, and lets you disable, enable, add, edit or delete them.'
hint safe "◎" '#2aa198' 'Install Monitor' 'Records your disk, INI files and registry before and after an installation and reports exactly what changed.'
hint sched "◷" '#b58900' 'Scheduled Maintenance' 'Runs the junk, privacy and registry clean-ups for you at times you choose, with your saved settings.'
hint logs "≡" '#4a7bbd' 'Statistics and Logs' 'Shows how much each tool has cleaned so far, and the log of everything the tools did.'
hint web "@" '#3a9d5d' 'Sorvane on the Web' 'Opens the Sorvane web site in your browser: news, updates and tips.'
hint help "?" '#d98a1f' 'Help' 'Opens the help panel: the manual, technical support and version information.'
hint exit "⏏" '#c0504d' 'Exit' 'Closes Sorvane.'

# --- help window: background (black outside the outline) and its buttons ---------------
convert -size 200x232 xc:black +antialias -fill "$BODY" -draw "roundrectangle 0,0 199,231 22,22" \
  -fill none -stroke '#5f7fb0' -strokewidth 2 -draw "roundrectangle 1,1 198,230 21,21" -stroke none \
  -antialias -font "$BOLD" -pointsize 16 -fill white -annotate +18+32 'Sorvane Help' \
  -font "$SANS" -pointsize 10 -fill '#bcd3f2' -annotate +18+50 'Manual, support and version' \
  "$tmp/helpback.png"
save "$tmp/helpback.png" helpback
helpbuttons=(
  "about|About Sorvane|ℹ|#4a7bbd"
  "manual|Read the Manual|?|#3a9d5d"
  "support|Technical Support|@|#d98a1f"
  "close|Close|✕|#c0504d"
)
PANEL="$BODY"
for entry in "${helpbuttons[@]}"; do
  IFS='|' read -r name label sym col <<<"$entry"
  small "$tmp/up.png" '#f4f7fb' '#d9e2ee' '#8ea3c2' '#1f3356' "$sym" "$label" "$col" 0 0
  small "$tmp/down.png" '#c3d0e4' '#dde6f2' '#6f86aa' '#1f3356' "$sym" "$label" "$col" 1 1
  save "$tmp/up.png" "helpbtn_${name}_up"
  save "$tmp/down.png" "helpbtn_${name}_down"
done

# --- small glyphs ------------------------------------------------------------------------
convert -size 16x16 xc:'#c0c0c0' -fill '#2f6fbf' -draw "circle 7,7 7,0" -font "$BOLD" -pointsize 11 -fill white -gravity center -annotate +0+0 '?' "$tmp/h16.png"
save "$tmp/h16.png" help16
convert -size 48x48 xc:'#ffffe1' -fill '#f2c200' -draw "circle 23,20 23,6" -fill '#7a6200' -draw "rectangle 19,33 27,40" -font "$BOLD" -pointsize 20 -fill white -gravity center -annotate +0-4 '!' "$tmp/hintpic.png"
save "$tmp/hintpic.png" hintpicture
# --- the shared 16 x 16 pictures, one strip (index order of pic:: in commontools.h) ----
# Each is drawn on silver, which the image list treats as see-through.
S16='#c0c0c0'
p16() { convert -size 16x16 "xc:$S16" "$@"; }
page() { echo "$tmp/p16_$1.png"; }
FILE_BODY=(-fill white -stroke '#5a6a80' -draw "polygon 3,1 10,1 13,4 13,14 3,14" -fill '#d8e2f0' -draw "polygon 10,1 10,4 13,4")
FOLDER_BODY=(-fill '#f2c14e' -stroke '#a07418' -draw "polygon 1,4 6,4 7,5 14,5 14,13 1,13")
p16 "${FILE_BODY[@]}" -stroke '#9aaac0' -draw "line 5,7 11,7" -draw "line 5,9 11,9" -draw "line 5,11 9,11" "$(page 00)"
p16 "${FOLDER_BODY[@]}" "$(page 01)"
p16 -fill '#dde3ea' -stroke '#55606e' -draw "roundrectangle 1,5 14,11 2,2" -fill '#3ab05a' -stroke none -draw "rectangle 11,8 12,9" "$(page 02)"
p16 "${FOLDER_BODY[@]}" -stroke '#c0392b' -strokewidth 2 -fill none -draw "circle 11,11 11,7" -draw "line 8,14 14,8" "$(page 03)"
p16 -stroke '#c0392b' -strokewidth 3 -draw "line 3,3 12,12" -draw "line 12,3 3,12" "$(page 04)"
p16 "${FILE_BODY[@]}" -stroke '#1f5fa8' -strokewidth 2 -fill '#bfe0ff' -draw "circle 7,8 7,5" -draw "line 9,10 13,14" "$(page 05)"
p16 "${FILE_BODY[@]}" -fill '#2f6fbf' -stroke none -draw "rectangle 5,6 11,7" -draw "rectangle 5,9 11,10" -draw "rectangle 5,12 9,12" "$(page 06)"
p16 -fill '#d7eefc' -stroke '#3a6f9a' -draw "polygon 3,4 13,4 12,15 4,15" -draw "rectangle 2,2 14,4" -stroke '#3a9d5d' -strokewidth 2 -draw "line 6,7 6,13" -draw "line 10,7 10,13" "$(page 07)"
p16 "${FOLDER_BODY[@]}" -stroke '#1f7a3a' -strokewidth 2 -draw "line 4,9 11,9" -fill '#1f7a3a' -stroke none -draw "polygon 9,6 13,9 9,12" "$(page 08)"
p16 "${FOLDER_BODY[@]}" -stroke '#1f5fa8' -strokewidth 2 -fill '#bfe0ff' -draw "circle 9,9 9,6" -draw "line 11,11 14,14" "$(page 09)"
p16 "${FILE_BODY[@]}" -fill '#3a9d5d' -stroke none -draw "rectangle 5,7 11,12" "$(page 10)"
p16 -stroke '#1f5fa8' -strokewidth 2 -fill none -draw "arc 3,3 14,14 180,450" -fill '#1f5fa8' -stroke none -draw "polygon 1,8 6,8 3,12" "$(page 11)"
p16 "${FILE_BODY[@]}" -stroke '#c0392b' -strokewidth 2 -fill none -draw "circle 10,10 10,6" -draw "line 7,13 13,7" "$(page 12)"
p16 -fill '#7f9cc8' -stroke '#2c4470' -draw "rectangle 1,2 6,7" -draw "rectangle 9,2 14,7" -draw "rectangle 1,9 6,14" -fill '#e0a800' -draw "rectangle 9,9 14,14" "$(page 13)"
p16 -fill '#e8edf5' -stroke '#5a6f8f' -draw "polygon 2,2 10,2 14,6 14,14 2,14" -fill '#5a6f8f' -stroke none -draw "circle 8,9 8,6" -fill '#e8edf5' -draw "circle 8,9 8,8" "$(page 14)"
p16 -stroke '#3a9d5d' -strokewidth 3 -draw "line 8,2 8,13" -draw "line 2,8 13,8" "$(page 15)"
p16 -stroke '#8a5a20' -strokewidth 3 -draw "line 3,13 12,4" -stroke '#f2c14e' -strokewidth 2 -draw "line 4,12 11,5" -fill '#444' -stroke none -draw "polygon 1,15 4,12 4,15" "$(page 16)"
p16 -fill '#2f6fbf' -stroke '#1d3f70' -draw "rectangle 2,2 13,13" -fill white -stroke none -draw "rectangle 4,3 11,6" -fill '#dde3ea' -draw "rectangle 4,9 11,13" "$(page 17)"
p16 -fill '#2f6fbf' -stroke '#1d3f70' -draw "rectangle 2,2 13,13" -fill white -stroke none -draw "rectangle 4,3 11,6" -fill '#3a9d5d' -draw "polygon 8,8 12,12 10,12 10,14 6,14 6,12 4,12" "$(page 18)"
convert "$tmp"/p16_*.png +append -alpha off -type TrueColor "BMP3:$out/common16.bmp"

# --- the 32 x 32 pictures beside the removal options --------------------------------------
big() { convert -size 32x32 'xc:#f0f0f0' "$@"; }
big -fill '#d7eefc' -stroke '#3a6f9a' -strokewidth 2 -draw "polygon 7,8 25,8 23,30 9,30" -draw "rectangle 5,4 27,8" \
  -stroke '#3a9d5d' -draw "line 12,12 12,26" -draw "line 16,12 16,26" -draw "line 20,12 20,26" "$tmp/recycle.png"
save "$tmp/recycle.png" rm_recycle
big -fill '#fbe3e0' -stroke '#c0392b' -strokewidth 2 -draw "circle 16,16 16,3" -strokewidth 4 -draw "line 10,10 22,22" -draw "line 22,10 10,22" "$tmp/delete.png"
save "$tmp/delete.png" rm_delete
big -fill '#f2c14e' -stroke '#a07418' -strokewidth 1 -draw "polygon 2,8 12,8 14,10 29,10 29,27 2,27" \
  -stroke '#1f7a3a' -strokewidth 3 -draw "line 8,18 20,18" -fill '#1f7a3a' -stroke none -draw "polygon 18,12 26,18 18,24" "$tmp/moveto.png"
save "$tmp/moveto.png" rm_moveto
big -fill '#ffffe1' -stroke '#b58900' -strokewidth 2 -draw "roundrectangle 3,4 28,24 4,4" -fill '#ffffe1' -draw "polygon 9,24 9,30 15,24" \
  -stroke none -font "$BOLD" -pointsize 16 -fill '#b58900' -gravity center -annotate +0-2 '?' "$tmp/confirm.png"
save "$tmp/confirm.png" rm_confirm
big -stroke '#1f5fa8' -strokewidth 3 -fill '#bfe0ff' -draw "circle 13,13 13,4" -strokewidth 5 -draw "line 20,20 28,28" "$tmp/mag.png"
save "$tmp/mag.png" rm_mag

# --- the program's icon (16, 32 and 48 pixels) --------------------------------------------
for size in 48 32 16; do
  r=$((size / 6)); pt=$((size * 7 / 10))
  convert -size "${size}x${size}" xc:none \
    \( -size "${size}x${size}" gradient:'#3d6aa8-#1d2b4a' \) \
    \( -size "${size}x${size}" xc:none -fill white -draw "roundrectangle 0,0 $((size-1)),$((size-1)) $r,$r" \) \
    -delete 0 -compose CopyOpacity -composite \
    -compose over -font "$BOLD" -pointsize "$pt" -fill white -gravity center -annotate +0+0 'S' \
    -fill '#5fd08a' -draw "circle $((size*3/4)),$((size*3/4)) $((size*3/4)),$((size*3/4 + size/8))" \
    "$tmp/icon$size.png"
done
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" "$root/res/sorvane.ico"
echo "artwork written to $out"
