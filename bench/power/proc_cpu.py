#!/usr/bin/env python3
"""Prints the processor use of a running process over a span of time, in percent of one core.

    python3 bench/power/proc_cpu.py PID [SECONDS]

It reads the process's user and system time (fields 14 and 15 of /proc/PID/stat, in clock
ticks) at the start and the end of the span, so it costs the measured process nothing.
"""

import os
import sys
import time


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        # The command name (field 2) may hold spaces; the fields after its ")" are fixed.
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])  # utime, stime
    return ticks / os.sysconf("SC_CLK_TCK")


def main():
    pid = int(sys.argv[1])
    span = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
    start_cpu, start = cpu_seconds(pid), time.monotonic()
    time.sleep(span)
    used, passed = cpu_seconds(pid) - start_cpu, time.monotonic() - start
    print("pid %d: %.3f s of processor in %.1f s = %.2f %% of one core"
          % (pid, used, passed, 100.0 * used / passed))


if __name__ == "__main__":
    main()
