"""Throughput of a batch of soft clay variants: the single-process loop against a local dask
cluster, and the package's own cost per file beyond the engine's.

    /usr/bin/python3 bench/batch_bench.py [--files 500] [--workers 2] [--increments 100]
        [--lib build/release/libtorva.so]
"""

import argparse
import ctypes
import os
import shutil
import statistics
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "python"))
sys.path.insert(0, str(ROOT / "python" / "tests"))

import torva  # noqa: E402
from torva import engine  # noqa: E402
from torva.batch import local_cluster, run_local, run_many  # noqa: E402
from study import soft_clay_variants  # noqa: E402


def variants(count, increments=100):
    text = (ROOT / "examples" / "soft_clay_pile.tp7").read_text()
    text = text.replace("Increments 100", f"Increments {increments}", 1)
    return soft_clay_variants(text, count, shear_step=25.0)


def engine_only(texts, lib):
    """Seconds per file (wall and CPU) of LGO alone, on folders whose control files were
    written beforehand."""
    cdll = ctypes.CDLL(str(lib))
    cdll.LGO.argtypes, cdll.LGO.restype = [ctypes.c_int32], ctypes.c_int32
    root = Path(tempfile.mkdtemp(prefix="torva-bench-"))
    folders = []
    for name, text in texts.items():
        folder = root / name
        folder.mkdir()
        (folder / "input.tp7").write_text(text)
        engine.write_control_files(folder, folder / "input.tp7", "input")
        folders.append(folder)
    saved = os.getcwd()
    start, cpu = time.perf_counter(), time.process_time()
    for folder in folders:
        os.chdir(folder)
        code = cdll.LGO(engine.INTERFACE_VERSION)
        if code > 0:
            raise SystemExit(f"{folder}: the engine returned {code}")
    elapsed, cpu = time.perf_counter() - start, time.process_time() - cpu
    os.chdir(saved)
    shutil.rmtree(root)
    return elapsed / len(folders), cpu / len(folders)


class EngineClock:
    """Times every call of the engine the package makes in this process, so that the
    package's own cost is measured on the same runs as the engine's."""

    def __init__(self):
        self.wall = self.cpu = 0.0
        self.calls = engine.call_engine

    def __call__(self, *args, **kwargs):
        w, c = time.perf_counter(), time.process_time()
        try:
            return self.calls(*args, **kwargs)
        finally:
            self.wall += time.perf_counter() - w
            self.cpu += time.process_time() - c


def _busy(_):
    total = 0
    for i in range(3_000_000):
        total += i
    return total


def parallel_room(workers):
    """How much faster `workers` processes finish `workers` equal pieces of pure computation
    than one process does, on this machine as loaded now: the ceiling of any cluster's gain."""
    import multiprocessing
    start = time.perf_counter()
    for k in range(workers):
        _busy(k)
    one = time.perf_counter() - start
    with multiprocessing.get_context("spawn").Pool(workers) as pool:
        pool.map(_busy, range(workers))     # started
        start = time.perf_counter()
        pool.map(_busy, range(workers))
        many = time.perf_counter() - start
    return one / many


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--files", type=int, default=500)
    parser.add_argument("--rounds", type=int, default=3,
                        help="the whole batch is measured this many times, each round timing "
                        "the engine, the loop and the cluster in turn, so that the ratios "
                        "compare like with like on a shared machine")
    parser.add_argument("--workers", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--increments", type=int, default=100,
                        help="pile increments of every file (the example has 100)")
    parser.add_argument("--group", type=int, default=1,
                        help="files a task runs in the second cluster measurement (the first "
                        "leaves the grouping to run_many)")
    parser.add_argument("--lib", default=str(ROOT / "build" / "release" / "libtorva.so"))
    args = parser.parse_args()
    lib = torva.find_library(args.lib)
    os.environ["TORVA_LIB"] = str(lib)
    texts = list(variants(args.files, args.increments).items())

    room = [parallel_room(args.workers)]
    from dask.distributed import Client
    t0 = time.perf_counter()
    cluster = local_cluster(args.workers)
    client = Client(cluster)
    # Workers up, and warm as the loop's process is: the package imported, the library loaded,
    # a few files run.
    run_many(dict(texts[:20]), client=client, lib=str(lib))
    startup_s = time.perf_counter() - t0

    wall = {"engine": [], "loop": [], "cluster": [], "grouped": [], "own": []}
    cpu = {"engine": [], "loop": [], "cluster": [], "own": []}
    ratios, grouped_ratios = [], []
    inputs, n = dict(texts), len(texts)
    for _ in range(args.rounds):
        engine_wall, engine_cpu = engine_only(inputs, lib)
        wall["engine"].append(engine_wall * 1e3)
        cpu["engine"].append(engine_cpu * 1e3)
        clock = EngineClock()
        engine.call_engine = clock
        start, c0 = time.perf_counter(), time.process_time()
        loop = run_local(inputs, lib=str(lib))
        loop_s = time.perf_counter() - start
        loop_cpu = time.process_time() - c0
        engine.call_engine = clock.calls
        cpu["loop"].append(loop_cpu / n * 1e3)
        wall["own"].append((loop_s - clock.wall) / n * 1e3)
        cpu["own"].append((loop_cpu - clock.cpu) / n * 1e3)
        workers0, c0 = client.run(time.process_time), time.process_time()
        start = time.perf_counter()
        rows = run_many(inputs, client=client, lib=str(lib))
        cluster_s = time.perf_counter() - start
        workers1 = client.run(time.process_time)
        spent = time.process_time() - c0 + sum(workers1[w] - workers0[w] for w in workers0)
        cpu["cluster"].append(spent / n * 1e3)
        start = time.perf_counter()
        grouped = run_many(inputs, client=client, lib=str(lib), files_per_task=args.group)
        grouped_s = time.perf_counter() - start
        assert (loop["error"] == 0).all() and rows.equals(loop), "rows differ"
        assert grouped.equals(loop), "rows of the grouped tasks differ"
        wall["grouped"].append(grouped_s / n * 1e3)
        grouped_ratios.append(loop_s / grouped_s)
        cases = int((loop["load_case"] > 0).sum())
        wall["loop"].append(loop_s / n * 1e3)
        wall["cluster"].append(cluster_s / n * 1e3)
        ratios.append(loop_s / cluster_s)
    client.close()
    cluster.close()
    room.append(parallel_room(args.workers))
    assert cases == 4 * args.files

    per_case = cases / args.files
    med = statistics.median
    print(f"files: {args.files} of {args.increments} increments ({cases} load cases) in "
          f"{len(ratios)} rounds; workers: {args.workers}; library: {lib}")
    print(f"engine alone (LGO on prepared folders): {med(wall['engine']):.2f} ms a file "
          f"({med(cpu['engine']):.2f} ms CPU)")
    print(f"single-process loop (torva.batch.run_local): {med(wall['loop']):.2f} ms a file "
          f"({med(cpu['loop']):.2f} ms CPU), {per_case * 1e3 / med(wall['loop']):.0f} cases/s")
    print("package's own cost beyond the engine, measured around the engine calls of the "
          f"loop: {med(wall['own']):.2f} ms a file ({med(cpu['own']):.2f} ms CPU)")
    print(f"local cluster (torva.batch.run_many, files grouped by default): "
          f"{med(wall['cluster']):.2f} ms a file, "
          f"{per_case * 1e3 / med(wall['cluster']):.0f} cases/s, {med(ratios):.2f}x the loop "
          f"(rounds: {', '.join(f'{x:.2f}' for x in ratios)}; cluster start-up "
          f"{startup_s:.1f} s, not counted)")
    print(f"local cluster, {args.group} files a task: {med(wall['grouped']):.2f} ms a file, "
          f"{per_case * 1e3 / med(wall['grouped']):.0f} cases/s, {med(grouped_ratios):.2f}x the "
          f"loop (rounds: {', '.join(f'{x:.2f}' for x in grouped_ratios)})")
    print(f"room for parallel work on this machine: {args.workers} processes finish "
          f"{room[0]:.2f}x (before) and {room[1]:.2f}x (after) as fast as one")
    # What the cluster would give with its cores to itself: every process's CPU time.
    capacity = args.workers * med(cpu["loop"]) / med(cpu["cluster"])
    print(f"CPU of the whole cluster (client, scheduler, workers): {med(cpu['cluster']):.2f} ms "
          f"a file; on {args.workers} otherwise idle cores: {capacity:.2f}x the loop")

if __name__ == "__main__":
    main()
