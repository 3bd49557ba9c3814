#!/usr/bin/env python3
"""Measures the composed tracks as a listener meets them.

Renders every Music<N>.mid of a game folder through a General MIDI soundfont with
fluidsynth and prints, one line a track: the mood, the tempo, the key heard, the RMS
level of the whole track and its distance from the median, the level of its last
second of sound and of that second's last quarter against the whole (a piece that
fades or dies away on a held chord ends far below its own level; one that is cut off
does not), the share of the tune's 8-note runs heard before in the same track, and
the instruments of its band.

    tools/music_report.py build/game/Music [--soundfont FILE] [--keep DIR]

Needs fluidsynth and sox (Debian's packages of the same names).
"""

import argparse
import array
import math
import os
import re
import statistics
import struct
import subprocess
import sys
import tempfile
import wave

NAMES = ["C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"]
# Key profiles (how strongly each degree belongs to a major or a minor key).
MAJOR = [6.35, 2.23, 3.48, 2.33, 4.38, 4.09, 2.52, 5.19, 2.39, 3.66, 2.29, 2.88]
MINOR = [6.33, 2.68, 3.52, 5.38, 2.60, 3.53, 2.54, 4.75, 3.98, 2.69, 3.34, 3.17]


def read_varlen(data, i):
    value = 0
    while True:
        b = data[i]
        i += 1
        value = (value << 7) | (b & 0x7F)
        if not b & 0x80:
            return value, i


def read_midi(path):
    """Returns (ticks per quarter, [track]); a track is {"name", "notes", "tempos", "program"},
    notes as (tick, length, pitch, channel)."""
    data = open(path, "rb").read()
    if data[:4] != b"MThd":
        raise ValueError(f"{path}: not a MIDI file")
    _, _, count, division = struct.unpack(">IHHH", data[4:14])
    i = 8 + struct.unpack(">I", data[4:8])[0]
    tracks = []
    for _ in range(count):
        if data[i : i + 4] != b"MTrk":
            raise ValueError(f"{path}: damaged track")
        size = struct.unpack(">I", data[i + 4 : i + 8])[0]
        j, end, tick, status = i + 8, i + 8 + size, 0, 0
        track = {"name": "", "notes": [], "tempos": [], "program": None}
        open_notes = {}
        while j < end:
            delta, j = read_varlen(data, j)
            tick += delta
            if data[j] & 0x80:
                status = data[j]
                j += 1
            if status == 0xFF:
                kind = data[j]
                length, j = read_varlen(data, j + 1)
                body = data[j : j + length]
                j += length
                if kind == 0x03:
                    track["name"] = body.decode("latin-1")
                elif kind == 0x51:
                    track["tempos"].append((tick, int.from_bytes(body, "big")))
            elif status in (0xF0, 0xF7):
                length, j = read_varlen(data, j)
                j += length
            else:
                kind, channel = status & 0xF0, status & 0x0F
                width = 1 if kind in (0xC0, 0xD0) else 2
                args = data[j : j + width]
                j += width
                if kind == 0xC0 and track["program"] is None:
                    track["program"] = args[0]
                elif kind == 0x90 and args[1] > 0:
                    open_notes[(channel, args[0])] = tick
                elif kind == 0x80 or (kind == 0x90 and args[1] == 0):
                    start = open_notes.pop((channel, args[0]), None)
                    if start is not None:
                        track["notes"].append((start, tick - start, args[0], channel))
        track["notes"].sort()
        tracks.append(track)
        i = end
    return division, tracks


def heard_key(tracks):
    weight = [0.0] * 12
    for t in tracks:
        for _, length, pitch, channel in t["notes"]:
            if channel != 9:
                weight[pitch % 12] += length
    best = None
    for tonic in range(12):
        for profile, mode in ((MAJOR, "major"), (MINOR, "minor")):
            rotated = [profile[(pc - tonic) % 12] for pc in range(12)]
            score = statistics.correlation(weight, rotated) if any(weight) else 0
            if best is None or score > best[0]:
                best = (score, f"{NAMES[tonic]} {mode}")
    return best[1]


def repeated_runs(tracks, size=8):
    """Share of the tune's runs of `size` pitches heard earlier in the track."""
    tune = [t for t in tracks if t["name"] == "Melody"]
    notes = tune[0]["notes"] if tune else []
    runs = [tuple(n[2] for n in notes[k : k + size]) for k in range(len(notes) - size + 1)]
    seen, repeats = set(), 0
    for run in runs:
        repeats += run in seen
        seen.add(run)
    return repeats / len(runs) if runs else 0.0


def ending(wav, rms):
    """Level of the last second of sound (up to where it falls 50 dB below the track) and
    of its last quarter second, both against the track's RMS."""
    with wave.open(wav) as w:
        rate, channels = w.getframerate(), w.getnchannels()
        w.setpos(max(0, w.getnframes() - 10 * rate))
        raw = w.readframes(10 * rate)
    samples = array.array("h", raw)
    if sys.byteorder == "big":
        samples.byteswap()
    step = rate // 20 * channels  # 50 ms windows
    levels = []
    for k in range(0, len(samples) - step + 1, step):
        window = samples[k : k + step]
        power = sum(v * v for v in window) / len(window) / 32768.0**2
        levels.append(10 * math.log10(power) if power > 0 else -200.0)
    sounding = [k for k, level in enumerate(levels) if level > rms - 50]
    if not sounding:
        return float("-inf"), float("-inf")
    end = sounding[-1] + 1

    def mean(part):
        return 10 * math.log10(sum(10 ** (v / 10) for v in part) / len(part)) - rms

    return mean(levels[max(0, end - 20) : end]), mean(levels[max(0, end - 5) : end])


def sox_level(wav, *effects):
    out = subprocess.run(["sox", wav, "-n", *effects, "stats"], capture_output=True, text=True).stderr
    match = re.search(r"RMS lev dB\s+(-?[\d.]+|-inf)", out)
    return float(match.group(1)) if match and match.group(1) != "-inf" else float("-inf")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("music", help="the folder with Music1.mid ...")
    parser.add_argument("--soundfont", default="/usr/share/sounds/sf2/FluidR3_GM.sf2")
    parser.add_argument("--keep", help="keep the rendered WAV files in this folder")
    parser.add_argument("--reuse", action="store_true", help="measure the WAV files already kept, rendering none")
    args = parser.parse_args()

    files = sorted(
        (int(m.group(1)), os.path.join(args.music, f))
        for f in os.listdir(args.music)
        if (m := re.fullmatch(r"Music(\d+)\.mid", f))
    )
    if not files:
        sys.exit(f"no Music<N>.mid in {args.music}")
    out_dir = args.keep or tempfile.mkdtemp(prefix="annals-music-")
    os.makedirs(out_dir, exist_ok=True)
    rows = []
    for number, path in files:
        division, tracks = read_midi(path)
        tempos = [t for track in tracks for t in track["tempos"]]
        bpm = round(60_000_000 / tempos[0][1]) if tempos else 120
        title = tracks[0]["name"] if tracks else ""
        mood = m.group(1) if (m := re.search(r"\((.*)\)", title)) else "?"
        wav = os.path.join(out_dir, f"music{number}.wav")
        if not (args.reuse and os.path.exists(wav)):
            subprocess.run(
                ["fluidsynth", "-ni", "-q", "-g", "0.2", "-r", "22050", "-R", "0", "-C", "0", "-F", wav, args.soundfont, path],
                check=True,
                capture_output=True,
            )
        seconds = float(subprocess.run(["soxi", "-D", wav], capture_output=True, text=True).stdout)
        rms = sox_level(wav)
        last, tail = ending(wav, rms)
        band = "/".join(str(t["program"]) for t in tracks if t["program"] is not None and t["name"] != "Drums")
        rows.append((number, mood, bpm, heard_key(tracks), seconds, rms, last, tail, repeated_runs(tracks), band))
        if not args.keep:
            os.remove(wav)
    median = statistics.median(r[5] for r in rows)
    print(
        f"{'track':>5} {'mood':<11} {'bpm':>4} {'key':<9} {'s':>6} {'RMS dB':>7} {'to med':>6}"
        f" {'last s':>6} {'last¼s':>6} {'rep 8':>6}  band (General MIDI programs)"
    )
    for number, mood, bpm, key, seconds, rms, last, tail, repeats, band in rows:
        print(
            f"{number:>5} {mood:<11} {bpm:>4} {key:<9} {seconds:>6.1f} {rms:>7.1f} {rms - median:>+6.1f}"
            f" {last:>+6.1f} {tail:>+6.1f} {repeats:>6.0%}  {band}"
        )
    levels = [r[5] for r in rows]
    print(
        f"levels {min(levels):.1f} to {max(levels):.1f} dB (spread {max(levels) - min(levels):.1f} dB), "
        f"last second of sound at most {max(r[6] for r in rows):+.1f} dB and its last quarter "
        f"at most {max(r[7] for r in rows):+.1f} dB to its track, "
        f"repeated 8-note runs {min(r[8] for r in rows):.0%} to {max(r[8] for r in rows):.0%} "
        f"(mean {statistics.mean(r[8] for r in rows):.1%}), {len({r[3] for r in rows})} keys, "
        f"{len({r[9] for r in rows})} bands, "
        f"tempi {min(r[2] for r in rows)} to {max(r[2] for r in rows)}"
    )
    if not args.keep:
        os.rmdir(out_dir)


if __name__ == "__main__":
    main()
