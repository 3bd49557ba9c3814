#!/bin/sh
# The real window under an X server with no window manager, on a screen larger than the
# game's picture: the picture fills the screen letterboxed at 4:3, and a press lands
# where the picture shows the button. Skipped (exit 77) when Xvfb or its helpers are absent.
# usage: real_window_test.sh GAME_EXECUTABLE
set -u
game="$1"
for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
work=$(mktemp -d)
# The player's own settings are never read or written by a test.
export XDG_CONFIG_HOME="$work/config"
display=":$((90 + $$ % 500))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
i=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -gt 50 ] && { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
    sleep 0.1
done

# The game in its own copy of the game folder, so that nothing of the build changes.
cp -r "$(dirname "$game")" "$work/game"
SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 "$work/game/$(basename "$game")" >"$work/game.log" 2>&1 &
game_pid=$!

# Screen 1280 x 1024: the picture is scaled by 1.25 to 1280 x 960, 32 pixels from the top.
to_screen() { echo "$(($1 * 5 / 4)) $((32 + $2 * 5 / 4))"; }
pixel() { # the red, green and blue of a screen pixel at the picture's point (x, y)
    set -- $(to_screen "$1" "$2")
    import -window root "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:
}
parchment() { # the settings page's parchment at the picture's (300, 250)?
    set -- $(pixel 300 250)
    [ "${1:-0}" -gt 200 ] && [ "${2:-0}" -gt 185 ] && [ "${3:-0}" -gt 130 ]
}
wait_for() { # up to 20 s for a condition
    n=0
    while ! "$@"; do
        n=$((n + 1))
        [ $n -gt 100 ] && return 1
        kill -0 "$game_pid" 2>/dev/null || return 1
        sleep 0.2
    done
}
drawn() { # the entrance picture is up: the top band of the screen is not black
    set -- $(pixel 512 20)
    [ $(( ${1:-0} + ${2:-0} + ${3:-0} )) -gt 30 ]
}
black_bars() { # above the picture the screen stays black
    set -- $(to_screen 512 0)
    import -window root "$work/shot.png" 2>/dev/null || return 1
    [ "$(convert "$work/shot.png" -format "%[fx:int(255*p{$1,10}.r+255*p{$1,10}.g+255*p{$1,10}.b)]" info:)" -eq 0 ]
}

if ! wait_for drawn; then
    echo "the game did not draw its entrance screen"; cat "$work/game.log"; exit 1
fi
if parchment; then echo "the settings page shows before New Game was pressed"; exit 1; fi
if ! black_bars; then echo "the picture does not sit letterboxed in the screen"; exit 1; fi

# New Game, pressed in the middle of its drawn plate.
set -- $(to_screen 650 352)
xdotool mousemove "$1" "$2"
sleep 0.5
xdotool click 1
if ! wait_for parchment; then
    echo "New Game pressed where it is drawn did not open the settings page"
    cat "$work/game.log"
    exit 1
fi
echo "the real window letterboxes its picture and takes presses where they are drawn"
exit 0
