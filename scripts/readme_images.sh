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
  xdotool windowfocus --sync "$window"
  keys() { xdotool key --delay 150 "$@"; sleep 0.5; }
  keys ctrl+shift+g                   # 表示 > 収束ｸﾞﾗﾌ
  keys ctrl+shift+k                   # 再生 > ｼｰﾄﾞを指定して実行...
  xdotool type --delay 50 "$seed"
  keys Return
  keys F5 ctrl+F7                     # pause, go to the first generation
  for _ in $(seq "$generation"); do keys F8; done
  sleep 1
  import -window root "$out/window.png"
  exit 0
fi

for tool in xvfb-run xdotool import convert; do
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
  xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$build"
# Only the window, without the empty screen around it.
convert "$out/window.png" -trim +repage "$out/window.png"
du -ch "$out/window.png" "$out/replay.gif" | tail -1
