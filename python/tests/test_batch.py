"""Batches: a local cluster, a failed file among good ones, and a scheduler and workers
started as separate processes."""

import shutil
import socket
import subprocess
import time
from pathlib import Path

import dask
import distributed  # noqa: F401  (its configuration defaults, which dask.config.set needs)
import pandas as pd
import pytest
from pandas.testing import assert_frame_equal

import torva
from torva.batch import Grouping, run_local, run_many
from conftest import PYTHON, child_env
from study import soft_clay_variants


@pytest.fixture(scope="module")
def study(soft_clay_text):
    texts = soft_clay_variants(soft_clay_text, 40)
    assert len(set(texts.values())) == 40
    return texts


@pytest.fixture(scope="module")
def one_by_one(lib, study):
    return run_local(study)


def test_local_cluster_gives_the_rows_of_running_one_by_one(lib, study, one_by_one):
    assert len(one_by_one) == 40 * 4 and (one_by_one["error"] == 0).all()
    under_shear = one_by_one[one_by_one["load_case"] <= 2]
    assert under_shear["head_deflection_in"].nunique() == 80
    seen = []
    batch = run_many(study, workers=2, progress=lambda d, n: seen.append(d))
    assert_frame_equal(batch, one_by_one)
    assert seen[0] == 1 and seen[-1] == 40 and len(seen) < 40    # one file first, then groups
    seen = []
    grouped = run_many(study, workers=2, files_per_task=7, progress=lambda d, n: seen.append(d))
    assert_frame_equal(grouped, one_by_one)
    assert sorted(seen)[-1] == 40 and len(seen) == 6      # six tasks, the last of five files


@pytest.mark.parametrize("done, left, size", [
    ((0.0, 0), 500, 1),         # nothing back yet: one file, to learn what a file costs
    ((0.03, 10), 496, 83),      # 3 ms a file: a quarter of a second of work
    ((0.03, 10), 100, 25),      # a quarter of the files left for each of two tasks a thread
    ((0.03, 10), 20, 10),       # but not under an eighth of the wanted size
    ((2.0, 1), 500, 1),         # files longer than a task's aim: one a task
])
def test_tasks_take_a_quarter_second_of_work_and_shrink_at_the_end(done, left, size):
    grouping = Grouping(2)
    grouping.record(*done)
    assert grouping.size(left) == size
    assert Grouping(2, fixed=7).size(left) == 7


def test_a_bad_file_is_reported_and_the_others_go_on(lib, study, one_by_one):
    inputs = dict(list(study.items())[:5])
    inputs["broken"] = "TORVAP7\nXX\n"
    inputs["missing"] = Path("/nonexistent/pile.tp7")
    rows = run_many(inputs, workers=2)
    failed = rows[rows["input"].isin(["broken", "missing"])]
    assert failed["input"].tolist() == ["broken", "missing"]    # in the order of the inputs
    assert failed["error"].tolist() == [99, -1]
    assert failed["error_kind"].tolist() == ["input error", "input not readable"]
    assert "No such file" in failed["error_text"].iloc[1]
    good = rows[~rows["input"].isin(["broken", "missing"])].dropna(axis=1, how="all")
    good = good.reset_index(drop=True)
    expected = one_by_one[one_by_one["input"].isin(inputs)].reset_index(drop=True)
    assert_frame_equal(good, expected[good.columns])


def _free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def _command(name):
    path = shutil.which(name, path="/usr/bin") or shutil.which(name)
    if path is None:
        pytest.skip(f"{name} is not installed")
    return path


def test_scheduler_and_workers_as_separate_processes(lib, study, one_by_one, tmp_path):
    port = _free_port()
    address = f"tcp://127.0.0.1:{port}"
    env = child_env(lib)
    logs = [open(tmp_path / f"{n}.log", "w") for n in ("scheduler", "worker1", "worker2")]
    processes = [subprocess.Popen([_command("dask-scheduler"), "--host", "127.0.0.1",
                                   "--port", str(port), "--dashboard-address", ":0"],
                                  env=env, stdout=logs[0], stderr=subprocess.STDOUT)]
    try:
        time.sleep(1.0)
        for log in logs[1:]:
            processes.append(subprocess.Popen(
                [_command("dask-worker"), address, "--nthreads", "1", "--nworkers", "1",
                 "--no-dashboard", "--local-directory", str(tmp_path)],
                env=env, stdout=log, stderr=subprocess.STDOUT))
        from dask.distributed import Client
        with Client(address, timeout=60) as client:
            client.wait_for_workers(2, timeout=120)
            ran_on = client.run(lambda: __import__("os").getpid())
        rows = run_many(study, client=address)     # joins the cluster by its address
        assert_frame_equal(rows, one_by_one)
        assert len(set(ran_on.values())) == 2
    finally:
        for p in reversed(processes):
            p.terminate()
        for p in processes:
            try:
                p.wait(timeout=30)
            except subprocess.TimeoutExpired:
                p.kill()
        for log in logs:
            log.close()


def test_command_line_batch_writes_the_csv(lib, study, tmp_path):
    files = []
    for name, text in list(study.items())[:3]:
        path = tmp_path / f"{name}.tp7"
        path.write_text(text)
        files.append(str(path))
    out = tmp_path / "results.csv"
    done = subprocess.run([PYTHON, "-m", "torva", "batch", *files, "--out", str(out),
                           "--workers", "2"], capture_output=True, text=True,
                          env=child_env(lib))
    assert done.returncode == 0, done.stderr
    assert "3/3" in done.stderr
    rows = pd.read_csv(out)
    assert len(rows) == 12 and (rows["error"] == 0).all()
    assert sorted(rows["input"].unique()) == sorted(list(study)[:3])


def test_a_file_that_kills_its_worker_does_not_stop_the_batch(tmp_path, study):
    # A library whose LGO dies by a signal stands in for an engine fault.
    source = tmp_path / "crash.c"
    source.write_text("#include <signal.h>\nint LGO(int v) { (void)v; raise(SIGSEGV); "
                      "return 0; }\n")
    so = tmp_path / "libcrash.so"
    if subprocess.run(["cc", "-shared", "-fPIC", "-o", str(so), str(source)]).returncode:
        pytest.skip("no C compiler")
    with dask.config.set({"distributed.scheduler.allowed-failures": 0}):
        rows = run_many(dict(list(study.items())[:2]), lib=str(so), workers=1)
    assert len(rows) == 2 and (rows["error"] == -1).all()
    assert (rows["error_kind"] == "task failed").all()
    assert rows["error_text"].str.contains("KilledWorker").all()


def test_a_group_whose_worker_dies_is_run_again_file_by_file(tmp_path, study, one_by_one, lib,
                                                            monkeypatch):
    # In front of the engine, a library that dies on an input holding the word CRASH.
    source = tmp_path / "crash_on_word.c"
    source.write_text(r"""
#include <dlfcn.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
int LGO(int version) {
  static char name[4096], text[1 << 16];
  FILE* names = fopen("NAMES.DAT", "r");
  if (!names || !fgets(name, sizeof name, names)) return 99;
  fclose(names);
  name[strcspn(name, "\n")] = 0;
  FILE* input = fopen(name, "r");
  size_t n = input ? fread(text, 1, sizeof text - 1, input) : 0;
  if (input) fclose(input);
  text[n] = 0;
  if (strstr(text, "CRASH")) raise(SIGSEGV);
  void* engine = dlopen(getenv("TORVA_ENGINE_BEHIND"), RTLD_NOW | RTLD_LOCAL);
  int (*lgo)(int) = engine ? (int (*)(int))dlsym(engine, "LGO") : 0;
  return lgo ? lgo(version) : 98;
}
""")
    so = tmp_path / "libcrash_on_word.so"
    if subprocess.run(["cc", "-shared", "-fPIC", "-o", str(so), str(source), "-ldl"]).returncode:
        pytest.skip("no C compiler")
    monkeypatch.setenv("TORVA_ENGINE_BEHIND", str(lib))
    names = list(study)[:3]
    inputs = {name: study[name] for name in names}
    inputs[names[1]] += "CRASH\n"
    # No retries, and one task at a time on the worker: none dies beside the file at fault.
    with dask.config.set({"distributed.scheduler.allowed-failures": 0,
                          "distributed.scheduler.worker-saturation": 1.0}):
        rows = run_many(inputs, lib=str(so), workers=1, files_per_task=3)
    failed = rows[rows["error"] != 0]
    assert failed["input"].tolist() == [names[1]]
    assert failed["error_kind"].tolist() == ["task failed"]
    good = rows[rows["error"] == 0].dropna(axis=1, how="all").reset_index(drop=True)
    expected = one_by_one[one_by_one["input"].isin([names[0], names[2]])]
    assert_frame_equal(good, expected[good.columns].reset_index(drop=True))
