#!/usr/bin/python3
"""Start-up time of the program against the toolkit's floor.

Starts the real program and a minimal Qt Widgets program that shows one 431 x 460 window,
alternately, under one Xvfb server without a window manager, and times each from exec to its
first top-level window being mapped. Writes BUILD/bench/startup.json with both medians and
their ratio (program / minimal).

A third program is timed with them for reference: a window of the same size with a menu bar,
three buttons and a large number, as Qt's examples write one. Its ratio shows how much of the
start-up any window with text and a menu bar pays.

    bench/startup/startup_bench.py [BUILD] [--runs N] [--compare LABEL=FOLDER ...]

--compare times the program of another build folder's bin/ (with its module, if it has one)
in the same alternating series, so that two ways of building the program are compared under
the same load; its median and ratio go into startup.json under "compared".

Needs xvfb-run and python3-xlib (scripts/install-deps.sh installs both).
"""

import argparse
import json
import os
import pathlib
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

TIMEOUT_S = 20.0
SETTLE_S = 0.3  # lets the server and the page cache calm down between runs


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default="build", help="the CMake build folder")
    parser.add_argument("--runs", type=int, default=15, help="timed starts of each program")
    parser.add_argument("--compare", action="append", default=[], metavar="LABEL=FOLDER",
                        help="also time the program in FOLDER (a build's bin/) as LABEL")
    parser.add_argument("--measure", action="store_true", help=argparse.SUPPRESS)
    return parser.parse_args()


def build_programs(build):
    subprocess.run(["cmake", "--build", str(build), "-j2", "--target", "vorlant",
                    "minimal_window", "text_window"], check=True, stdout=subprocess.DEVNULL)


def time_to_first_map(display, program, workdir, env):
    """Milliseconds from exec of program to the MapNotify of its first top-level window."""
    from Xlib import X

    while display.pending_events():  # anything left from the run before
        display.next_event()
    started = time.perf_counter()
    process = subprocess.Popen([str(program)], cwd=workdir, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = started + TIMEOUT_S
        while True:
            while display.pending_events():
                event = display.next_event()
                if event.type == X.MapNotify and not event.override:
                    return (time.perf_counter() - started) * 1000.0
            left = deadline - time.perf_counter()
            if left <= 0 or process.poll() is not None:
                raise RuntimeError(f"{program} mapped no window (exit code {process.poll()})")
            select.select([display.fileno()], [], [], left)
    finally:
        process.terminate()
        process.wait()


def copy_of_program(folder, copy):
    """A copy of the program and its module: a copy run from the build folder keeps its
    settings and results beside itself, and the build folder stays as it was."""
    copy.mkdir()
    for name in ("vorlant", "libvorlant_late.so"):
        if (folder / name).exists():
            shutil.copy2(folder / name, copy / name)
    return copy / "vorlant"


def measure(arguments):
    from Xlib import X, display as xdisplay

    build = pathlib.Path(arguments.build).resolve()
    display = xdisplay.Display()
    root = display.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    display.sync()

    with tempfile.TemporaryDirectory(prefix="vorlant-startup-") as home:
        programs = {
            "minimal": build / "bench" / "startup" / "minimal_window",
            "vorlant": copy_of_program(build / "bin", pathlib.Path(home) / "program"),
            "text_window": build / "bench" / "startup" / "text_window",
        }
        for comparison in arguments.compare:
            label, folder = comparison.split("=", 1)
            programs[label] = copy_of_program(pathlib.Path(folder).resolve(),
                                              pathlib.Path(home) / label)
        times = {name: [] for name in programs}
        # The real program's pictures, settings and results land in throw-away folders.
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", HOME=home,
                   XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data",
                   XDG_CACHE_HOME=f"{home}/cache", XDG_RUNTIME_DIR=f"{home}/runtime")
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        for run in range(arguments.runs + 1):  # the first round only warms the caches
            for name, program in programs.items():
                workdir = tempfile.mkdtemp(dir=home)
                elapsed = time_to_first_map(display, program, workdir, env)
                if run > 0:
                    times[name].append(round(elapsed, 2))
                time.sleep(SETTLE_S)

    medians = {name: statistics.median(values) for name, values in times.items()}
    result = {
        "runs": arguments.runs,
        "minimal_median_ms": round(medians["minimal"], 2),
        "vorlant_median_ms": round(medians["vorlant"], 2),
        "ratio": round(medians["vorlant"] / medians["minimal"], 3),
        "text_window_median_ms": round(medians["text_window"], 2),
        "text_window_ratio": round(medians["text_window"] / medians["minimal"], 3),
        "minimal_ms": times["minimal"],
        "vorlant_ms": times["vorlant"],
        "text_window_ms": times["text_window"],
        "compared": {label: {"median_ms": round(medians[label], 2),
                             "ratio": round(medians[label] / medians["minimal"], 3),
                             "times_ms": times[label]}
                     for label in times if label not in ("minimal", "vorlant", "text_window")},
    }
    out = build / "bench" / "startup.json"
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(json.dumps(result, indent=2) + "\n")
    print(f"exec -> window mapped, median of {arguments.runs} alternating starts:")
    print(f"  minimal Qt Widgets program {result['minimal_median_ms']:7.2f} ms")
    print(f"  vorlant                    {result['vorlant_median_ms']:7.2f} ms")
    print(f"  ratio                      {result['ratio']:7.3f}   ({out})")
    print(f"  for reference, a window with a menu bar, buttons and text "
          f"{result['text_window_median_ms']:.2f} ms, ratio {result['text_window_ratio']:.3f}")
    for label, figures in result["compared"].items():
        print(f"  {label:26} {figures['median_ms']:7.2f} ms, ratio {figures['ratio']:.3f}")


def main():
    arguments = parse_arguments()
    if arguments.measure:
        measure(arguments)
        return
    build_programs(arguments.build)
    # Ahead of other work on the machine (builds, tests), where allowed: the server, this
    # script and both programs inherit it, so the figures show the programs, not the load.
    try:
        os.nice(-10)
    except PermissionError:
        pass
    # One server for all runs, no window manager: xvfb-run starts none.
    command = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", sys.executable,
               os.path.abspath(__file__), arguments.build, "--runs", str(arguments.runs),
               "--measure"] + [f"--compare={c}" for c in arguments.compare]
    sys.exit(subprocess.run(command).returncode)


if __name__ == "__main__":
    main()
