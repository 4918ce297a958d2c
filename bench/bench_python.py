"""1000 whole calculations of the example ship (trim and tone I) from Python,
each at another design displacement, in one thread and in two; make bench
runs it on the optimised build. Prints the best and the median of five rounds
of wall-clock time, and the processor time of the best round (on a machine
busy with other work the wall clock shows the others' load too)."""

import statistics
import sys
import time
from concurrent.futures import ThreadPoolExecutor

import numpy as np

import hullcalc

VARIANTS = np.linspace(700.0, 1000.0, 1000)
ROUNDS = 5


def calculate(ship, displacement):
    ship.particulars["design_displacement"] = displacement
    return ship.calculate(tones=1).summary["mean_draft"]


def in_one_thread():
    ship = hullcalc.example()
    for displacement in VARIANTS:
        calculate(ship, displacement)


def in_two_threads():
    ships = [hullcalc.example(), hullcalc.example()]
    halves = np.array_split(VARIANTS, 2)
    with ThreadPoolExecutor(max_workers=2) as pool:
        for done in [pool.submit(lambda s, h: [calculate(s, d) for d in h], s, h) for s, h in zip(ships, halves)]:
            done.result()


def main():
    for name, run in (("one thread", in_one_thread), ("two threads", in_two_threads)):
        rounds = []
        for _ in range(ROUNDS):
            start, processor = time.perf_counter(), time.process_time()
            run()
            rounds.append((time.perf_counter() - start, time.process_time() - processor))
        best, processor = min(rounds)
        median = statistics.median(wall for wall, _ in rounds)
        print(f"{len(VARIANTS)} calculations (trim + tone I), {name}: best {best:.3f} s, median {median:.3f} s "
              f"({best / len(VARIANTS) * 1e3:.2f} ms each); processor time {processor:.3f} s")
    sys.stdout.flush()


if __name__ == "__main__":
    main()
