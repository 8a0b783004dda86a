#!/usr/bin/env bash
# Builds the benchmarks (release build in build-bench) and prints every figure beside its target,
# as a ratio where a side-by-side baseline exists. Figures of repeated benchmarks are medians, as
# single runs on a shared machine stray by several per cent. Usage: scripts/bench.sh [--no-gui]
# ZV_BENCH_BUILD=FOLDER measures in an existing build folder instead (its own build type).
set -euo pipefail
cd "$(dirname "$0")/.."
gui=ON
if [ "${1:-}" = "--no-gui" ]; then gui=OFF; fi
if [ -n "${ZV_BENCH_BUILD:-}" ]; then
  build=$ZV_BENCH_BUILD
  cmake -S . -B "$build" -DZV_BUILD_GUI="$gui" -DZV_BUILD_BENCHMARKS=ON >/dev/null
else
  build=build-bench
  cmake --preset bench -DZV_BUILD_GUI="$gui" >/dev/null
fi
targets=(load_benchmarks engine_benchmarks archive_benchmarks report_benchmarks library_benchmarks own_marks_benchmarks
  zelvora-cli)
if [ "$gui" = ON ]; then targets+=(gui_benchmarks); fi
cmake --build "$build" -j2 --target "${targets[@]}"

out="$build/bench-results"
rm -rf "$out"
mkdir -p "$out"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
for b in load engine archive report library own_marks; do
  "$build/benchmarks/${b}_benchmarks" --benchmark_format=json --benchmark_out="$out/$b.json" \
    --benchmark_out_format=json >/dev/null
done
sh benchmarks/kmi_vs_read.sh "$build/src/cli/zelvora-cli" 20 >"$out/kmi.txt"
if [ "$gui" = ON ]; then
  QT_QPA_PLATFORM=offscreen "$build/benchmarks/gui_benchmarks" -csv >"$out/gui.csv" 2>/dev/null || true
fi

python3 - "$out" <<'PY'
import csv, json, os, re, sys

out = sys.argv[1]
rows = []


def results(name):
    with open(os.path.join(out, name + ".json")) as f:
        return json.load(f)["benchmarks"]


def time_us(bench):
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[bench["time_unit"]]
    return bench["real_time"] * scale


def pick(benches, name, aggregate=None):
    """The first run of benchmark name (options such as /repeats:5 aside), or its aggregate."""
    for b in benches:
        if b.get("run_name", b["name"]).split("/")[0] != name:
            continue
        kind = b.get("aggregate_name") if b.get("run_type") == "aggregate" else None
        if kind == aggregate:
            return time_us(b)
    return None


def row(what, figure, target, ok):
    rows.append((what, figure, target, "" if ok is None else "ok" if ok else "MISSED"))


load = results("load")
read, full = pick(load, "BM_ReadThreeFiles", "median"), pick(load, "BM_LoadFullDay", "median")
if read and full:
    row("load a full day / bare read", f"{full / read:.2f}x ({full:.0f} us / {read:.0f} us)", "<= 2x", full <= 2 * read)

engine = results("engine")
race = pick(engine, "BM_OneRaceOf18Runners", "median")
if race is not None:
    row("one 18-runner race", f"{race:.1f} us", "< 20 us", race < 20)
for b in engine:
    if b["name"].startswith("BM_Whole") and b.get("aggregate_name") == "median":
        what = b["run_name"].split("/repeats")[0].replace("BM_", "whole day: ")
        row(what, f"{time_us(b):.0f} us", "< 1000 us", time_us(b) < 1000)

report = results("report")
for b in report:
    if b["name"].startswith("BM_ReportOverDays/") and b.get("aggregate_name") == "median":
        days = int(b["run_name"].split("/")[1])
        per_day = time_us(b) / days
        row(f"report over {days} days, per day", f"{per_day / 1e3:.2f} ms", "<= 5 ms", per_day <= 5e3)
for b in report:
    if b["name"].startswith("BM_ReportPeakMemory"):
        peak = b["peakRSS_MB"]
        row("report peak memory, 100 days (x10 for 1,000)", f"{peak:.1f} MB (~{peak * 10:.0f} MB)", "< 200 MB", peak * 10 < 200)

archives = pick(report, "BM_ReportOverArchives", "median")
folders = pick(report, "BM_ReportOverArchivedDayFolders", "median")
unpack = pick(report, "BM_LhasaOverArchives", "median")
if archives and folders and unpack:
    extra = archives - folders
    row("report: what archives add / lhasa x", f"{extra / unpack:.2f}x ({extra / 1e3:.1f} ms / {unpack / 1e3:.1f} ms)",
        "<= 1.2x", extra <= 1.2 * unpack)

with open(os.path.join(out, "kmi.txt")) as f:
    m = re.search(r"ratio: ([0-9.]+)", f.read())
if m:
    ratio = float(m.group(1))
    row("kmi process / read-only process", f"{ratio:.2f}x", "<= 3x", ratio <= 3)

archive = results("archive")
ours, lhasa = pick(archive, "BM_IntakeExtract", "median"), pick(archive, "BM_LhasaCommandExtract", "median")
if ours and lhasa:
    row("extraction / lhasa x (medians)", f"{ours / lhasa:.2f}x ({ours / 1e3:.1f} ms / {lhasa / 1e3:.1f} ms)",
        "<= 1.2x", ours <= 1.2 * lhasa)

library = results("library")
added, unpacked = pick(library, "BM_AddArchivedDay", "median"), pick(library, "BM_LhasaOverArchives", "median")
if added and unpacked:
    per_day, lhasa_day = added / 16, unpacked / 16
    row("library: add a day / 1.2x lhasa x + 30 ms", f"{per_day / 1e3:.1f} ms / {(1.2 * lhasa_day + 30e3) / 1e3:.1f} ms",
        "<= 1", per_day <= 1.2 * lhasa_day + 30e3)
search = pick(library, "BM_FindHorse", "median")
if search is not None:
    row("library: horse search, 1,000 days", f"{search / 3e3:.2f} ms a query", "<= 20 ms", search / 3 <= 20e3)
count = pick(library, "BM_ReportOverLibrary", "median")
if count is not None:
    row("library: report, 1,000 days", f"{count / 1e3:.0f} ms", "<= 500 ms", count <= 500e3)
switch = pick(library, "BM_SwitchDay", "median")
if switch is not None:
    row("library: switch day (load + first race)", f"{switch / 1e3:.1f} ms", "<= 100 ms", switch <= 100e3)
mark = pick(results("own_marks"), "BM_SetOwnMark", "median")
if mark is not None:
    row("own mark: stored and read back (library)", f"{mark / 1e3:.2f} ms", "", None)
mark = pick(results("own_marks"), "BM_SessionSetOwnMark", "median")
if mark is not None:
    row("own mark: key press to stored and shown", f"{mark / 1e3:.2f} ms", "<= 16 ms", mark <= 16e3)
for b in library:
    if b["name"].startswith("BM_LibraryBuilt"):
        row("library: disk / archives", f"{b['diskRatio']:.2f}x ({b['libraryMB']:.0f} MB / {b['archiveMB']:.0f} MB)",
            "<= 1.2x", b["diskRatio"] <= 1.2)
        row("library: write season / build library, 1,000 days",
            f"{b['seasonSeconds']:.0f} s / {b['buildSeconds']:.0f} s", "(figure)", True)

gui = os.path.join(out, "gui.csv")
if os.path.exists(gui):
    targets = {"showEighteenRunnerRace": ("GUI show race", 16), "startToFirstRacePainted": ("start to first race", 500)}
    with open(gui) as f:
        for rec in csv.reader(f):
            if len(rec) >= 4 and rec[0] in targets and rec[2] == "WalltimeMilliseconds":
                what, limit = targets[rec[0]]
                value = float(rec[3])
                row(what, f"{value:.2f} ms", f"< {limit} ms", value < limit)

width = max(len(r[0]) for r in rows)
for what, figure, target, verdict in rows:
    print(f"{what:<{width}}  {figure:<32}  target {target:<10}  {verdict}")
PY
