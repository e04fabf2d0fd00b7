#!/usr/bin/env python3
"""Times extract-zip against unzip, bsdtar and 7z, interleaved.

Each repetition extracts every archive with every tool, in a rotating order,
into a fresh folder on the same file system; the time is the wall time of the
process and the memory its peak resident set. Prints a table and writes it
to the report file as Markdown.
"""
import argparse
import os
import platform
import shutil
import statistics
import time
from pathlib import Path


def tools(extract_zip):
    return {
        "extract-zip": lambda a, d: [extract_zip, a, d],
        "unzip": lambda a, d: ["unzip", "-q", "-o", a, "-d", d],
        "bsdtar": lambda a, d: ["bsdtar", "-xf", a, "-C", d],
        "7z": lambda a, d: ["7z", "x", "-y", "-bd", "-bb0", f"-o{d}", a],
    }


def run_once(command, dest):
    """Runs command once; returns its wall time and peak resident set (MB).

    The peak comes from /usr/bin/time, a small process that starts the tool:
    Linux carries a process's peak across exec, so a child of this
    interpreter would start with the interpreter's size as its peak.
    """
    os.makedirs(dest)
    peak_file = dest + ".peak"
    wrapped = ["/usr/bin/time", "-f", "%M", "-o", peak_file] + command
    devnull = os.open(os.devnull, os.O_WRONLY)
    actions = [(os.POSIX_SPAWN_DUP2, devnull, 1), (os.POSIX_SPAWN_DUP2, devnull, 2)]
    start = time.perf_counter()
    pid = os.posix_spawn(wrapped[0], wrapped, os.environ, file_actions=actions)
    _, status = os.waitpid(pid, 0)
    elapsed = time.perf_counter() - start
    os.close(devnull)
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        raise SystemExit(f"{' '.join(command)} failed with exit code {code}")
    with open(peak_file) as f:
        peak_kb = int(f.read().split()[-1])
    os.remove(peak_file)
    return elapsed, peak_kb / 1024.0


def machine_line():
    cpu = "unknown CPU"
    try:
        for line in open("/proc/cpuinfo"):
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    except OSError:
        pass
    return f"{cpu}, {os.cpu_count()} cores, Linux {platform.release()}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--extract-zip", required=True)
    parser.add_argument("--archives", required=True)
    parser.add_argument("--scratch", default="/dev/shm/installer-bench")
    parser.add_argument("--repetitions", type=int, default=5)
    parser.add_argument("--report", required=True)
    parser.add_argument("--command", default="make bench")
    args = parser.parse_args()

    archives = [Path(args.archives) / "big.zip", Path(args.archives) / "many.zip"]
    table = tools(os.path.abspath(args.extract_zip))
    names = list(table)
    times = {(a.name, n): [] for a in archives for n in names}
    memory = {(a.name, n): 0.0 for a in archives for n in names}
    scratch = Path(args.scratch)
    shutil.rmtree(scratch, ignore_errors=True)
    scratch.mkdir(parents=True)
    for rep in range(args.repetitions):
        for archive in archives:
            order = names[rep % len(names):] + names[:rep % len(names)]
            for name in order:
                dest = scratch / f"{archive.stem}-{name}-{rep}"
                elapsed, peak = run_once(table[name](str(archive), str(dest)), str(dest))
                times[(archive.name, name)].append(elapsed)
                memory[(archive.name, name)] = max(memory[(archive.name, name)], peak)
                shutil.rmtree(dest)
    shutil.rmtree(scratch, ignore_errors=True)

    lines = [
        "| archive | tool | median s | ratio to extract-zip | peak RSS MB |",
        "|---|---|---|---|---|",
    ]
    for archive in archives:
        ours = statistics.median(times[(archive.name, "extract-zip")])
        for name in names:
            median = statistics.median(times[(archive.name, name)])
            lines.append(f"| {archive.name} | {name} | {median:.3f} | {median / ours:.2f} | "
                         f"{memory[(archive.name, name)]:.1f} |")
    table_text = "\n".join(lines)
    print(table_text)
    sizes = ", ".join(f"{a.name} {a.stat().st_size / 1e6:.0f} MB" for a in archives)
    report = Path(args.report)
    report.parent.mkdir(parents=True, exist_ok=True)
    report.write_text(
        "# Extraction benchmark\n\n"
        f"Machine: {machine_line()}.\n\n"
        f"Command: `{args.command}` ({args.repetitions} interleaved repetitions, "
        f"extraction into fresh folders under {args.scratch}; archives: {sizes}).\n\n"
        "A ratio above 1 means the tool took longer than extract-zip.\n\n"
        f"{table_text}\n")


if __name__ == "__main__":
    main()
