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
from torva.batch import run_local, run_many  # noqa: E402
from study import soft_clay_variants  # noqa: E402


def variants(count, increments=100):
    text = (ROOT / "examples" / "soft_clay_pile.tp7").read_text()
    text = text.replace("Increments 100", f"Increments {increments}", 1)
    return soft_clay_variants(text, count, shear_step=25.0)


def engine_only(texts, lib):
    """Seconds per file of LGO alone, on folders whose control files were written beforehand."""
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
    start = time.perf_counter()
    for folder in folders:
        os.chdir(folder)
        code = cdll.LGO(engine.INTERFACE_VERSION)
        if code > 0:
            raise SystemExit(f"{folder}: the engine returned {code}")
    elapsed = time.perf_counter() - start
    os.chdir(saved)
    shutil.rmtree(root)
    return elapsed / len(folders)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--files", type=int, default=500)
    parser.add_argument("--workers", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--increments", type=int, default=100,
                        help="pile increments of every file (the example has 100)")
    parser.add_argument("--lib", default=str(ROOT / "build" / "release" / "libtorva.so"))
    args = parser.parse_args()
    lib = torva.find_library(args.lib)
    os.environ["TORVA_LIB"] = str(lib)
    texts = variants(args.files, args.increments)

    engine_s = engine_only(texts, lib)

    start = time.perf_counter()
    loop = run_local(texts, lib=str(lib))
    loop_s = time.perf_counter() - start
    cases = int((loop["load_case"] > 0).sum())
    assert (loop["error"] == 0).all() and cases == 4 * args.files

    from dask.distributed import Client, LocalCluster
    t0 = time.perf_counter()
    cluster = LocalCluster(n_workers=args.workers, threads_per_worker=1, processes=True,
                           dashboard_address=None)
    client = Client(cluster)
    client.run(torva.find_library)      # workers up and the package imported
    startup_s = time.perf_counter() - t0
    start = time.perf_counter()
    rows = run_many(texts, client=client, lib=str(lib))
    cluster_s = time.perf_counter() - start
    client.close()
    cluster.close()
    assert rows.equals(loop), "the cluster's rows differ from the loop's"

    per_file_loop = loop_s / args.files
    print(f"files: {args.files} of {args.increments} increments, load cases: {cases}, "
          f"workers: {args.workers}, library: {lib}")
    print(f"engine alone (LGO on prepared folders): {engine_s * 1e3:.2f} ms a file")
    print(f"single-process loop (torva.batch.run_local): {per_file_loop * 1e3:.2f} ms a file, "
          f"{cases / loop_s:.0f} cases/s")
    print(f"package overhead beyond the engine: {(per_file_loop - engine_s) * 1e3:.2f} ms a file")
    print(f"local cluster (torva.batch.run_many): {cases / cluster_s:.0f} cases/s, "
          f"{loop_s / cluster_s:.2f}x the loop (cluster start-up {startup_s:.1f} s, not counted)")


if __name__ == "__main__":
    main()
