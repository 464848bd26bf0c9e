#!/usr/bin/env bash
# Starts the real game on the SDL back end inside Xvfb and drives it with synthetic X input at
# known points of a 1024x768 screen (the windows draw their own controls, so nothing inside the
# game window is visible to X). Fails with a message, never hangs: every wait has a deadline, and
# Xvfb and the game are stopped on the way out.
#
#   bash tests/tools/real_window_smoke.sh [BUILD_FOLDER]
#
# Covered so far: the title window, the new-game setup window and back, and leaving through the
# title window's "Sair" with exit code 0.
set -euo pipefail

build=${1:-build}
game="$build/app/korvanel"
[ -x "$game" ] || { echo "smoke: $game não existe (compile o alvo korvanel)"; exit 2; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "smoke: falta $tool (bash scripts/setup.sh)"; exit 2; }
done

log=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$log"
}
trap cleanup EXIT

fail() {
  echo "smoke: $*"
  [ -s "$log/game.txt" ] && { echo "--- saída do jogo"; cat "$log/game.txt"; }
  exit 1
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# Xvfb picks a free display and writes its number to the pipe.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>"$log/xvfb.txt" & echo "pid $!")
read -r -t 10 _ xvfb_pid <&3 || fail "Xvfb não iniciou"
read -r -t 10 display <&3 || fail "Xvfb não informou o display"
export DISPLAY=":$display"

KORVANEL_SCREEN_SIZE=1024x768 SDL_AUDIODRIVER=dummy "$game" >"$log/game.txt" 2>&1 &
game_pid=$!
wait_for 20 xdotool search --name "Korvanel" || fail "a janela do jogo não apareceu"
window=$(xdotool search --name "Korvanel" | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || true

alive() { kill -0 "$game_pid" 2>/dev/null; }

# Clicks at a point of the screen, then gives the game time to draw what the click opened while
# checking that it is still running.
click() {
  local x=$1 y=$2 what=$3
  alive || fail "o jogo saiu antes de: $what"
  xdotool mousemove --sync "$x" "$y" click 1
  local deadline=$((SECONDS + 2))
  while [ $SECONDS -lt $deadline ]; do
    alive || return 0
    sleep 0.1
  done
}

click 667 355 "Novo jogo"
alive || fail "o jogo saiu ao abrir o novo jogo"
# Where "Sair" was is now an empty part of the setup window: the game must stay, which shows
# that the click above really opened it.
click 321 504 "o clique sobre a janela de novo jogo"
alive || fail "a janela de novo jogo não abriu (o clique chegou ao \"Sair\" da abertura)"
click 148 714 "<< Voltar ao início"
alive || fail "o jogo saiu ao voltar ao início"
click 321 504 "Sair"

wait_for 15 bash -c "! kill -0 $game_pid" || fail "o jogo não saiu depois de \"Sair\""
set +e
wait "$game_pid"
code=$?
set -e
game_pid=
[ "$code" -eq 0 ] || fail "o jogo saiu com o código $code"
echo "smoke: ok"
