#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Time of `veltrisko-pattern compare --pairs` on a station list of 100,000
rows drawn from 5,000 distinct code pairs, at --step 2 (goal: 60 s on two
cores).

    /usr/bin/python3 bench/compare_pairs_bench.py --tool build/bin/veltrisko-pattern
"""
import argparse
import csv
import os
import random
import resource
import subprocess
import tempfile
import time

ROWS, PAIRS = 100_000, 5_000


def random_code(rng):
    """A code the viewer's sliders could compose, of a common family."""
    family = rng.choice(["EA", "EB", "EC", "DE", "KA", "CA", "TA", "ND", "V", "W"])
    if family in ("EA", "DE"):
        return f"{rng.randint(1, 65):03d}{family}{rng.randint(0, 30):02d}"
    if family == "EB":
        return f"{rng.randint(1, 79):03d}EB{rng.randint(0, 30):02d}"
    if family == "EC":
        return f"{rng.randint(1, 96):03d}EC{rng.randint(0, 30):02d}"
    if family in ("KA", "CA"):
        return f"{rng.randint(0, 100):03d}{family}{rng.randint(0, 30):02d}"
    if family == "TA":
        return f"{rng.randint(1, 890):03d}TA{rng.randint(0, 30):02d}"
    if family == "ND":
        return "000ND00"
    letter = "ABCDEFGHI"[rng.randint(0, 8)]
    if family == "V":
        return f"{rng.randint(0, 9)}{rng.randint(0, 90):02d}V{letter}{rng.randint(0, 30):02d}"
    return f"{rng.randint(0, 9)}{rng.randint(0, 90):02d}W{letter}{rng.randint(0, 9)}{rng.randint(0, 9)}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tool", required=True, help="the veltrisko-pattern program")
    args = parser.parse_args()
    rng = random.Random(1)
    pairs = set()
    while len(pairs) < PAIRS:
        pairs.add((random_code(rng), random_code(rng)))
    pairs = sorted(pairs)
    rows = pairs + [rng.choice(pairs) for _ in range(ROWS - PAIRS)]
    rng.shuffle(rows)
    with tempfile.TemporaryDirectory() as folder:
        listing = os.path.join(folder, "stations.csv")
        with open(listing, "w", newline="") as f:
            writer = csv.writer(f)
            writer.writerow(["station", "horizontal", "vertical"])
            for k, (h, v) in enumerate(rows):
                writer.writerow([f"station {k}", h, v])
        start = time.monotonic()
        done = subprocess.run([args.tool, "compare", "--pairs", listing, "--step", "2", "--output",
                               os.path.join(folder, "out.csv")], capture_output=True, text=True)
        elapsed = time.monotonic() - start
        usage = resource.getrusage(resource.RUSAGE_CHILDREN)
        processor = usage.ru_utime + usage.ru_stime
    print(done.stderr.strip())
    print(f"{ROWS} rows, {PAIRS} distinct pairs, --step 2, {os.cpu_count()} cores: "
          f"{elapsed:.1f} s elapsed (goal <= 60 s), {processor:.1f} s processor time "
          f"(elapsed on {os.cpu_count()} idle cores: about {processor / os.cpu_count():.1f} s), "
          f"exit status {done.returncode}")


if __name__ == "__main__":
    main()
