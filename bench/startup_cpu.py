#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""CPU time (user plus system) of whole processes started in turn, as medians.

hyperfine times each command in a block of its own, and on a shared machine the
blocks drift apart by more than the difference being measured; taking the
programs in turn puts every one under the same load.

    QT_QPA_PLATFORM=offscreen bench/startup_cpu.py 80 \\
        'build-test/bench/window_probe startup' build-test/bench/bare_window
"""
import os
import shlex
import statistics
import subprocess
import sys

WARMUP_ROUNDS = 3


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    rounds = int(sys.argv[1])
    commands = sys.argv[2:]
    times = {command: [] for command in commands}
    for round_number in range(WARMUP_ROUNDS + rounds):
        for command in commands:
            child = subprocess.Popen(shlex.split(command), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            _, status, usage = os.wait4(child.pid, 0)
            if status != 0:
                sys.exit(f"{command}: exit status {status}")
            if round_number >= WARMUP_ROUNDS:
                times[command].append((usage.ru_utime + usage.ru_stime) * 1000)
    floor = statistics.median(times[commands[-1]])
    for command in commands:
        median = statistics.median(times[command])
        print(f"{median:7.1f} ms  {median / floor:5.3f}  {command}")


if __name__ == "__main__":
    main()
