#!/usr/bin/env python3
"""Whole-process start-up: the floor (an empty QWidget of the same size) against the
program's window, alternated run by run, each started, shown, painted once and quit.
Prints the medians of wall time and peak resident memory, and their ratios."""
import os
import statistics
import subprocess
import sys
import time


def run(program):
    start = time.perf_counter()
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{program} failed with status {status}")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0  # milliseconds, MiB


def main():
    floor, program, runs, label = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    times = {floor: [], program: []}
    memory = {floor: [], program: []}
    for _ in range(2):  # warm the caches first
        run(floor), run(program)
    for _ in range(runs):
        for name in (floor, program):
            elapsed, rss = run(name)
            times[name].append(elapsed)
            memory[name].append(rss)
    t_floor, t_program = statistics.median(times[floor]), statistics.median(times[program])
    m_floor, m_program = statistics.median(memory[floor]), statistics.median(memory[program])
    print(f"| start-up to first frame, {label} | {t_floor:.1f} ms | {t_program:.1f} ms | {t_program / t_floor:.2f}x |")
    print(f"| peak resident memory, {label} | {m_floor:.1f} MiB | {m_program:.1f} MiB | {m_program / m_floor:.2f}x |")


if __name__ == "__main__":
    main()
