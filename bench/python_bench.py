#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Speed of veltrisko.attenuation: one call over 10^6 directions against 10^6
scalar calls from a Python loop, and against the C++ parsed path of
veltrisko-bench (CombinationV6/parsed and CombinationV7/parsed, same codes).

    PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py --bench build/bin/veltrisko-bench

The array call spreads its work over every core. Reported: elapsed times
(what a user waits for) and processor times (the work done, summed over the
threads). The loop and the array call take the same random directions; the
comparison with the C++ path repeats the array call on that benchmark's own
directions (a sweep of 256 azimuths and 256 elevations), as the cost of an
evaluation depends on the angles.
"""
import argparse
import json
import subprocess
import time

import numpy as np

import veltrisko

HCODE, VCODE = "030EA10", "020EA05"  # the pair of bench/model_bench.cpp
COUNT = 1_000_000


def best_of(repeats, run):
    """The shortest elapsed and the shortest processor time of the runs."""
    elapsed, processor = [], []
    for _ in range(repeats):
        start, start_cpu = time.perf_counter(), time.process_time()
        run()
        elapsed.append(time.perf_counter() - start)
        processor.append(time.process_time() - start_cpu)
    return min(elapsed), min(processor)


def cpp_ns_per_evaluation(bench, rule):
    out = subprocess.run(
        [bench, f"--benchmark_filter=^Combination{rule.upper()}/parsed$", "--benchmark_format=json",
         "--benchmark_repetitions=3", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    runs = json.loads(out)["benchmarks"]
    median = next(r for r in runs if r.get("aggregate_name") == "median")
    return median["real_time"], median["cpu_time"]


def cpp_bench_directions(count):
    """The directions of veltrisko-bench's Combination benchmarks, in its order."""
    steps = np.arange(256, dtype=np.float32) / np.float32(256)
    azimuths, elevations = np.float32(-180) + 360 * steps, np.float32(-90) + 180 * steps
    k = np.arange(count)
    return azimuths[k % 256], elevations[(k // 256 + k) % 256]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bench", required=True, help="the veltrisko-bench program")
    args = parser.parse_args()
    rng = np.random.default_rng(1)
    azimuth = rng.uniform(-180, 180, COUNT).astype(np.float32)
    elevation = rng.uniform(-90, 90, COUNT).astype(np.float32)
    az_list, el_list = azimuth.tolist(), elevation.tolist()
    sweep_azimuth, sweep_elevation = cpp_bench_directions(COUNT)
    for rule in ("v7", "v6"):
        array, array_cpu = best_of(
            5, lambda: veltrisko.attenuation(HCODE, VCODE, azimuth, elevation, rule=rule))

        def loop():
            for a, e in zip(az_list, el_list):
                veltrisko.attenuation(HCODE, VCODE, a, e, rule=rule)

        scalar, scalar_cpu = best_of(3, loop)
        sweep, sweep_cpu = best_of(
            5, lambda: veltrisko.attenuation(HCODE, VCODE, sweep_azimuth, sweep_elevation, rule=rule))
        cpp, cpp_cpu = cpp_ns_per_evaluation(args.bench, rule)
        per_direction, per_direction_cpu = array / COUNT * 1e9, array_cpu / COUNT * 1e9
        sweep_ns, sweep_cpu_ns = sweep / COUNT * 1e9, sweep_cpu / COUNT * 1e9
        print(f"{rule}: random directions: array call {array:.3f} s elapsed ({per_direction:.0f} ns "
              f"per direction, {per_direction_cpu:.0f} ns processor time); scalar loop {scalar:.2f} s "
              f"-> array call {scalar / array:.1f}x faster elapsed, {scalar_cpu / array_cpu:.1f}x in "
              f"processor time (goal >= 20)")
        print(f"{rule}: the C++ benchmark's directions: array call {sweep_ns:.0f} ns elapsed, "
              f"{sweep_cpu_ns:.0f} ns processor time per direction; C++ parsed path {cpp:.0f} ns "
              f"elapsed, {cpp_cpu:.0f} ns processor time -> {sweep_ns / cpp:.2f}x the C++ elapsed "
              f"time, {sweep_cpu_ns / cpp_cpu:.2f}x its processor time (goal <= 1.5)")


if __name__ == "__main__":
    main()
