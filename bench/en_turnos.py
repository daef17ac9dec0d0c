#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times commands run in turn, one run of each per round, and prints each one's median in ms and
its ratio to the first's: a slow drift of the machine weighs on all of them alike, where
hyperfine runs one command's batch after another's.
  bench/en_turnos.py ROUNDS "COMMAND" "COMMAND"...
"""
import os
import statistics
import subprocess
import sys
import time

rondas, ordenes = int(sys.argv[1]), [o.split() for o in sys.argv[2:]]
tiempos = [[] for _ in ordenes]
with open(os.devnull, "w") as nada:
    for _ in range(rondas):
        for orden, suyos in zip(ordenes, tiempos):
            antes = time.perf_counter()
            subprocess.run(orden, stdout=nada, stderr=nada, check=False)
            suyos.append(time.perf_counter() - antes)
medianas = [statistics.median(t) * 1000 for t in tiempos]
for orden, m in zip(sys.argv[2:], medianas):
    print(f"{m:8.2f} ms  {m / medianas[0]:.3f}x  {orden}")
