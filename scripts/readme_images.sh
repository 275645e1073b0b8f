#!/usr/bin/env bash
# Remakes the README's pictures with the program itself: a small run's replay
# as an animated GIF (curvesmith-cli render --gif), and the window during a
# replay, with its player and convergence panel (a screenshot under Xvfb).
#
#   scripts/readme_images.sh [BUILD_DIR]      (make readme-images)
#
# Needs xvfb, xdotool and ImageMagick. The window is driven by its own keys,
# so the picture is the same on every run.
set -euo pipefail

build=${1:-build}
out=docs/images
cli=$build/cli/curvesmith-cli
app=$build/app/curvesmith
# The sample the screenshot shows, the seed it runs with, and the generation
# the player is stopped at.
sample=res/samples/well-tuned-curve-1.txt
seed=7
generation=6

if [ "${CURVESMITH_INSIDE_XVFB:-}" = 1 ]; then
  "$app" "$sample" &
  program=$!
  trap 'kill $program 2>/dev/null || true' EXIT
  window=
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Curvesmith$' 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
  sleep 1
  keys() {
    xdotool windowfocus --sync "$window"
    xdotool key --delay 200 "$@"
    sleep 1
  }
  # On a first start the convergence panel shows where the screen has room.
  keys ctrl+shift+k                   # 再生 > ｼｰﾄﾞを指定して実行...
  xdotool type --delay 100 "$seed"
  xdotool key Return
  sleep 1
  keys F5                             # pause
  keys ctrl+F7                        # the first generation
  for _ in $(seq "$generation"); do keys F8; done
  import -window root "$out/window.png"
  # A replay that did not stop would show another picture now.
  sleep 2
  import -window root "$out/window-later.png"
  # (A field's blinking caret may differ by a few pixels.)
  differing=$(compare -metric AE "$out/window.png" "$out/window-later.png" null: 2>&1 || true)
  rm -f "$out/window-later.png"
  if [ "${differing%% *}" -gt 100 ]; then
    echo "the replay did not pause ($differing pixels changed); run again" >&2
    exit 1
  fi
  exit 0
fi

for tool in xvfb-run xdotool import convert compare; do
  command -v "$tool" >/dev/null || {
    echo "Needs $tool. Install: sudo apt-get install xvfb xdotool imagemagick" >&2
    exit 1
  }
done

mkdir -p "$out"
"$cli" render --curve 1 --population 30 --generations 15 --crossover 0.7 --mutation 0.2 \
  --seed 2 --gif "$out/replay.gif" --speed 2

# Settings of its own, so that the window starts as it does the first time.
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
CURVESMITH_INSIDE_XVFB=1 XDG_CONFIG_HOME=$settings \
  xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build"
# Only the window, without the empty screen around it.
convert "$out/window.png" -trim +repage "$out/window.png"
du -ch "$out/window.png" "$out/replay.gif" | tail -1
