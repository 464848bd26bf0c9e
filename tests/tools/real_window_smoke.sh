#!/usr/bin/env bash
# Starts the real game on the SDL back end inside Xvfb and drives it with synthetic X input from
# the title window through a new game (one coach, the first club of the list, cups and tournaments
# off) to the end of the first match day, then leaves through the main window's game menu ("Sair
# do jogo") and expects exit code 0.
#
#   bash tests/tools/real_window_smoke.sh [BUILD_FOLDER]
#
# The windows draw their own controls inside one X window, so nothing in it is visible to X: the
# game writes the windows on screen to a log (KORVANEL_WINDOW_LOG) each time it has handled its
# input and painted, and every step waits on that log. Clicks go to points of a 1024x768 screen.
# Fails with a message, never hangs: every wait has a deadline, and Xvfb and the game are stopped
# on the way out. Exit code 77 (skipped) when Xvfb or xdotool is missing.
set -euo pipefail

build=${1:-build}
game="$build/app/korvanel"
[ -x "$game" ] || { echo "smoke: $game não existe (compile o alvo korvanel)"; exit 2; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "smoke: ignorado, falta $tool (bash scripts/setup.sh)"; exit 77; }
done

log=$(mktemp -d)
windows="$log/windows.txt"
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
  [ -s "$windows" ] && { echo "--- janelas na tela (as últimas)"; tail -5 "$windows"; }
  [ -s "$log/game.txt" ] && { echo "--- saída do jogo"; cat "$log/game.txt"; }
  exit 1
}

alive() { kill -0 "$game_pid" 2>/dev/null; }

# The window that takes the input now, with the focused control after a '/' ("Form11/Edit1").
top() { [ -s "$windows" ] && tail -1 "$windows" | cut -d: -f1 || true; }

# Waits up to $1 seconds for the top window (and focus) to match the pattern $2.
wait_top() {
  local seconds=$1 pattern=$2
  local deadline=$((SECONDS + seconds))
  until [[ "$(top)" == $pattern ]]; do
    alive || fail "o jogo saiu esperando $pattern"
    [ $SECONDS -lt $deadline ] || fail "$pattern não apareceu em ${seconds}s (na tela: $(top))"
    sleep 0.1
  done
}

# Waits up to $1 seconds for the top window to be another than $2.
wait_gone() {
  local seconds=$1 was=${2%%/*}
  local deadline=$((SECONDS + seconds))
  while [[ "$(top)" == "$was" || "$(top)" == "$was"/* ]]; do
    alive || fail "o jogo saiu esperando o fim de $was"
    [ $SECONDS -lt $deadline ] || fail "$was não fechou em ${seconds}s"
    sleep 0.1
  done
}

# No --sync: this xdotool's --sync waits for the pointer to leave where it is, so a second click on
# the same point would wait forever. The window log's waits already pace the clicks.
click() {
  alive || fail "o jogo saiu antes do clique em $1,$2"
  timeout 10 xdotool mousemove "$1" "$2" click 1 || fail "o clique em $1,$2 não foi entregue"
}

# A centred modal window of the given size: the screen point of its point x,y.
centred() { echo $(((1024 - $1) / 2 + $3)) $(((768 - $2) / 2 + $4)); }

# Xvfb picks a free display and writes its number to the pipe.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>"$log/xvfb.txt" & echo "pid $!")
read -r -t 10 _ xvfb_pid <&3 || fail "Xvfb não iniciou"
read -r -t 10 display <&3 || fail "Xvfb não informou o display"
export DISPLAY=":$display"

KORVANEL_WINDOW_LOG="$windows" KORVANEL_SCREEN_SIZE=1024x768 SDL_AUDIODRIVER=dummy \
  "$game" >"$log/game.txt" 2>&1 &
game_pid=$!
# The title window drawn and waiting for input: the X window is on screen by then.
wait_top 30 "Form1*"

click 667 355                     # "Novo jogo"
wait_top 20 "Form9*"
# Cups and tournaments off: the first match day is the league's, where the coach's club plays,
# so the main window comes first.
for box in "288 ckinter2" "202 ckinter1" "175 ckcopa" "362 ckcopamundo" "418 ckeurocopa" \
  "446 ckcopaamerica"; do
  click 45 "${box% *}"
  wait_top 10 "Form9/${box#* }"
done
click 876 714                     # "Iniciar Jogo >>" (Brasil, divisions of 10 clubs)
wait_top 60 "Form11*"
click 345 80                      # "Nome do treinador:"
wait_top 10 "Form11/Edit1"
xdotool type --delay 20 "Treinador"
click 30 206                      # the first club of the first division
wait_top 10 "Form11/[!E]*"
click 882 120                     # "Iniciar jogo"

# The new game is built; then either the main window comes (the coach's club plays on the first
# day) or the match day runs at once. Each window is answered as it comes, until the first match
# day's results have been closed and the main window is back.
days=0
last=
deadline=$((SECONDS + 480))  # inside the test's own 600 s, so a slow day fails with a message
while :; do
  alive || fail "o jogo saiu (na tela: $last)"
  [ $SECONDS -lt $deadline ] || fail "o primeiro dia de jogo não terminou (na tela: $(top))"
  now=$(top)
  case "$now" in
    Form13*)
      # Between rounds the main window opens the round's event windows on a short timer.
      if [ "$days" -ge 1 ]; then
        sleep 1
        [[ "$(top)" == Form13* ]] && break
        continue
      fi
      click 871 582                 # "Escalar Time"
      wait_top 20 "Form87*" ;;
    Form87*)
      click 905 377                 # "Seleção tática automática:"
      wait_top 10 "combtat_dropdown*"
      click 835 445                 # 4-4-2
      wait_top 10 "Form87*"
      click 925 737                 # "Jogar >>"
      wait_top 30 "Form46*" ;;
    Form46*)
      [[ "$last" == Form46* ]] || xdotool key F6   # the fastest clock
      sleep 0.2 ;;
    Form67* | Form26*)
      days=$((days + 1))
      click 900 725                 # "Continuar >>" (both scaled to the screen)
      wait_gone 30 "$now" ;;
    Form88*) click 920 740; wait_gone 10 "$now" ;;   # "Voltar ao jogo >>" (scaled to the screen)
    Form34*)                                          # the first on the list takes it: "Bater"
      click $(centred 440 304 100 76); click $(centred 440 304 220 281); wait_gone 10 "$now" ;;
    Form53*)                                          # the first on the bench comes on
      click $(centred 380 262 100 97); click $(centred 380 262 190 239); wait_gone 10 "$now" ;;
    Form23*) click 744 529; sleep 0.5 ;;   # an auction (scaled to the screen): "Ofertar" nothing
    Form37*) click $(centred 610 366 65 343); click $(centred 610 366 545 343); sleep 0.5 ;;
    Form12* | Form54* | Form38* | "") sleep 0.2 ;;                         # they go on their own
    *) xdotool key Escape; sleep 0.5 ;;  # a window of the round's events, or a message
  esac
  last=$now
done

click 84 25                       # the game menu: it opens at its own place, (4, 5) scaled
wait_top 10 "menu*"
click 57 77                       # "Sair do jogo"

deadline=$((SECONDS + 15))
while alive; do
  [ $SECONDS -lt $deadline ] || fail "o jogo não saiu depois de \"Sair do jogo\""
  sleep 0.1
done
set +e
wait "$game_pid"
code=$?
set -e
game_pid=
[ "$code" -eq 0 ] || fail "o jogo saiu com o código $code"
echo "smoke: ok"
