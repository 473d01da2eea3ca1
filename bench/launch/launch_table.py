#!/usr/bin/env python3
"""Prints the launch table from the lines scripts/bench gathers, one a run:
"NAME ms 41.20 rss_kib 30124 windows 1". Round i of every program pairs with
round i of the empty window for the ratios, as they ran side by side."""
import statistics
import sys

PROGRAMS = [
    ("empty", "Empty QWidget window"),
    ("5x5", "Tilewise 5 x 5 (default board)"),
    ("5x5-de", "Tilewise 5 x 5 in German (LANGUAGE=de)"),
    ("10x10", "Tilewise 10 x 10, pairs"),
    ("huge", "Tilewise 10 x 10, 50 pictures of 10000 x 10000"),
    ("photos", "Tilewise 10 x 10, 50 photos of 4000 x 3000"),
]
TIME_TARGET = 1.5
MEMORY_TARGET = 1.3
LANGUAGE_TARGET = 1.05


def row(figure, values, decimals=2, target=None):
    median = statistics.median(values)
    line = f"{figure:<48}" + "".join(
        f"{value:>9.{decimals}f}" for value in (median, min(values), max(values)))
    line += f"{len(values):>6}"
    if target is not None:
        line += f"{'<= ' + format(target, 'g'):>9}  {'ok' if median <= target else 'over'}"
    print(line)


def main():
    runs = {name: [] for name, _ in PROGRAMS}
    for line in sys.stdin:
        name, *pairs = line.split()
        runs[name].append(dict(zip(pairs[::2], map(float, pairs[1::2]))))
    empty = runs["empty"]
    print(f"{'Figure':<48}{'Median':>9}{'Min':>9}{'Max':>9}{'Runs':>6}{'Target':>9}  Result")
    print("-" * 98)
    notes = []
    for name, title in PROGRAMS:
        own = runs[name]
        if not own:
            continue
        print(title)
        row("  time to mapped window (ms)", [run["ms"] for run in own])
        row("  resident memory 1 s later (MiB)", [run["rss_kib"] / 1024 for run in own], 1)
        if name != "empty":
            row("  ratio time / empty", [run["ms"] / base["ms"] for run, base in zip(own, empty)],
                target=TIME_TARGET)
            row("  ratio memory / empty",
                [run["rss_kib"] / base["rss_kib"] for run, base in zip(own, empty)],
                target=MEMORY_TARGET)
        if name == "5x5-de":  # a catalogue costs start-up no more than 5 %
            row("  ratio time / English", [run["ms"] / base["ms"]
                                           for run, base in zip(own, runs["5x5"])],
                target=LANGUAGE_TARGET)
        extra = [run["windows"] for run in own if run["windows"] > 1]
        if extra:
            notes.append(f"{title}: more than one top-level window mapped within a second "
                         f"in {len(extra)} of {len(own)} runs (up to {max(extra):g})")
    for note in notes:
        print("Note: " + note)


if __name__ == "__main__":
    main()
