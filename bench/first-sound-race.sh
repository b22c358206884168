# Sourced by playback.sh and player.sh: a private sound server for the run, a file of music,
# and the race of players to the first sound, with CPU per played minute and the ratios of
# ours to theirs. The sourcing script defines player_command NAME, which sets the array cmd.
source "$(dirname "${BASH_SOURCE[0]}")/private-server.sh"
export SDL_AUDIODRIVER=pulseaudio

# music SECONDS: something like music in $work/music.wav, a chord that moves with a little noise.
music() {
    sox -n -r 44100 -c 2 -b 16 "$work/music.wav" synth "$1" sine 220-440 sine 330-660 sine 1000 \
        pinknoise remix 1-4 2-4 gain -6
}

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# race SECONDS ROUNDS "OURS..." "THEIRS...": each player in turn, ROUNDS times. (Bash scopes
# locals dynamically: these names must not hide the variables player_command reads.)
race() {
    local seconds=$1 rounds=$2 who ms secs per_min o t
    local -a our_players their_players
    read -r -a our_players <<<"$3"
    read -r -a their_players <<<"$4"
    local -A lat cpu
    printf '%-6s %-12s %12s %14s\n' round player first-ms 'cpu-s/min'
    for r in $(seq "$rounds"); do
        for who in "${our_players[@]}" "${their_players[@]}"; do
            player_command "$who"
            read -r ms secs < <(python3 "$root/bench/first-sound.py" "${cmd[@]}")
            per_min=$(awk -v c="$secs" -v s="$seconds" 'BEGIN { printf "%.3f", c * 60 / s }')
            printf '%-6s %-12s %12s %14s\n' "$r" "$who" "$ms" "$per_min"
            lat[$who]="${lat[$who]:-} $ms"
            cpu[$who]="${cpu[$who]:-} $per_min"
        done
    done
    for who in "${our_players[@]}" "${their_players[@]}"; do
        printf '%-12s median first sound %8s ms, CPU %8s s per played minute\n' "$who" \
            "$(echo "${lat[$who]}" | median)" "$(echo "${cpu[$who]}" | median)"
    done
    for o in "${our_players[@]}"; do
        for t in "${their_players[@]}"; do
            awk -v a="$(echo "${lat[$o]}" | median)" -v b="$(echo "${lat[$t]}" | median)" \
                -v c="$(echo "${cpu[$o]}" | median)" -v d="$(echo "${cpu[$t]}" | median)" -v o="$o" -v t="$t" \
                'BEGIN { printf "%s to %s: first sound %.2f, CPU %.2f\n", o, t, a / b, c / d }'
        done
    done
}
