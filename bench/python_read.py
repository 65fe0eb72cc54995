#!/usr/bin/env python3
"""rivezozer.read set against the C++ import alone, rivez, and the pure-Python reader ezdxf.

usage: python3 bench/python_read.py FILE [--importer dxf] [--repeat 3] [--build build/release]
                                         [--ezdxf-runs 1]

rivezozer must be importable (installed, or PYTHONPATH=build/release/tools/python). Every
measurement is a process of its own, the kinds run in turn in each of REPEAT rounds (ezdxf in
the first EZDXF_RUNS rounds only: it takes minutes on 100 MB); the table gives medians of the
process's wall and CPU time (CPU time moves less on a busy machine), the time it gave for its
own work, and its peak RSS.
  - C++ import: bench's rvz_import, the importer alone; its own time is that of Open and read
  - rivez: the command line's summary, for its peak memory
  - rivezozer.read: the time of read() inside Python, from the same kind of process
  - read + points: read() and every polyline's points taken as numpy arrays
  - ezdxf.readfile: Debian's python3-ezdxf, when installed
"""
import argparse
import os
import statistics
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]

PYTHON_READ = """
import sys, time, rivezozer
start = time.perf_counter()
drawing = rivezozer.read(sys.argv[1], sys.argv[2])
print(time.perf_counter() - start)
"""

PYTHON_POINTS = """
import sys, time, rivezozer
start = time.perf_counter()
drawing = rivezozer.read(sys.argv[1], sys.argv[2])
def points(shapes):
    count = 0
    for shape in shapes:
        if shape.type == "polyline":
            count += len(shape.points)
        elif shape.type == "body":
            count += points(shape.shapes)
    return count
points(drawing.shapes) + points(drawing.inserts)
print(time.perf_counter() - start)
"""

EZDXF_READ = """
import sys, time, ezdxf
start = time.perf_counter()
doc = ezdxf.readfile(sys.argv[1])
print(time.perf_counter() - start)
"""


def run(command):
    """(wall seconds, CPU seconds, peak RSS in MB, standard output) of one process."""
    start = os.times().elapsed
    child = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    out, err = child.stdout.read(), child.stderr.read()
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"{command[0]} failed: {err.strip()}")
    return (os.times().elapsed - start, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024,
            out)


def own_seconds(out):
    """The time a process gave for its own work: rvz_import's 'read s', or a float line."""
    words = out.split()
    return float(words[words.index("read") + 2]) if "read" in words else float(words[-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("file")
    parser.add_argument("--importer", default="dxf", choices=["dxf", "die", "plt"])
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--ezdxf-runs", type=int, default=1)
    parser.add_argument("--build", default=str(ROOT / "build" / "release"))
    args = parser.parse_args()
    build = Path(args.build)
    kinds = {
        "C++ import (rvz_import)": [str(build / "bench" / "rvz_import"), args.importer, args.file],
        "rivez (summary)": [str(build / "tools" / "rivez" / "rivez"), "--importer", args.importer,
                            args.file],
        "rivezozer.read": [sys.executable, "-c", PYTHON_READ, args.file, args.importer],
        "rivezozer.read + every polyline's points": [sys.executable, "-c", PYTHON_POINTS,
                                                     args.file, args.importer],
    }
    try:
        import ezdxf  # noqa: F401  (a peer only: measured where it is installed)
        if args.importer != "plt" and args.ezdxf_runs > 0:
            kinds["ezdxf.readfile"] = [sys.executable, "-c", EZDXF_READ, args.file]
    except ImportError:
        print("ezdxf is not installed: skipped", file=sys.stderr)
    runs = {name: [] for name in kinds}
    for round in range(args.repeat):
        for name, command in kinds.items():
            if name.startswith("ezdxf") and round >= args.ezdxf_runs:
                continue
            wall, cpu, rss, out = run(command)
            own = own_seconds(out) if name != "rivez (summary)" else wall
            runs[name].append((wall, cpu, own, rss))
            print(f"round {round + 1}: {name}: wall {wall:.2f} s, CPU {cpu:.2f} s, "
                  f"own {own:.2f} s, peak {rss:.0f} MB", file=sys.stderr)
    median = {name: [statistics.median(column) for column in zip(*values)]
              for name, values in runs.items()}
    _, import_cpu, read, _ = median["C++ import (rvz_import)"]
    rivez_rss = median["rivez (summary)"][3]
    print(f"{args.file} ({os.path.getsize(args.file) / 1e6:.0f} MB), importer {args.importer}, "
          f"medians of {args.repeat} (ezdxf {min(args.ezdxf_runs, args.repeat)})\n")
    print("| | process wall | process CPU | / C++ import's | its own time | / C++ read | "
          "peak RSS | / rivez |")
    print("| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |")
    for name, (wall, cpu, own, rss) in median.items():
        print(f"| {name} | {wall:.2f} s | {cpu:.2f} s | {cpu / import_cpu:.2f}x | {own:.2f} s | "
              f"{own / read:.2f}x | {rss:.0f} MB | {rss / rivez_rss:.2f}x |")


if __name__ == "__main__":
    main()
