"""Batches of analyses on a dask.distributed cluster.

Each input file is one task. The engine keeps one model per process, so the workers should be
processes with one thread each (a worker with more threads still runs one analysis at a time).
Inputs travel to the workers as text, so the workers need the torva package and the engine
library (TORVA_LIB, or beside the package) but not the input files.
"""

import atexit
import itertools
import os
import shutil
import sys
import tempfile
import threading
import time
import uuid
from collections import deque
from pathlib import Path

import pandas as pd

from .engine import TorvaError, run

ERROR_COLUMNS = ["error", "error_kind", "error_text"]


def _named_inputs(inputs):
    """(name, text, problem) of paths, texts or a mapping name -> path or text; problem is the
    reason a file could not be read (its text is then None)."""
    items = inputs.items() if isinstance(inputs, dict) else enumerate(inputs, start=1)
    named, seen = [], set()
    for key, value in items:
        problem = None
        if isinstance(value, Path) or (isinstance(value, str) and "\n" not in value
                                       and not value.lstrip().startswith("TORVAP7")):
            path = Path(value)
            name = str(key) if isinstance(inputs, dict) else path.stem
            try:
                text = path.read_text(encoding="utf-8", errors="surrogateescape")
            except OSError as e:
                text, problem = None, f"{path}: {e.strerror or e}"
        else:
            name = str(key) if isinstance(inputs, dict) else f"input-{key}"
            text = value
        if name in seen:
            base, n = name, 2
            while f"{base}-{n}" in seen:
                n += 1
            name = f"{base}-{n}"
        seen.add(name)
        named.append((name, text, problem))
    return named


def _failure(name, kind, text):
    """The row of an input that failed outside the engine (error -1)."""
    return [{"input": name, "load_case": 0, "error": -1, "error_kind": kind, "error_text": text}]


_scratch = None
_scratch_lock = threading.Lock()


def _scratch_folder():
    """This process's working folder for batch runs, emptied before every run and removed
    when the process ends (one folder a process is much cheaper than one a run)."""
    global _scratch
    if _scratch is None or not os.path.isdir(_scratch):
        _scratch = tempfile.mkdtemp(prefix="torva-batch-")
        atexit.register(shutil.rmtree, _scratch, True)
    for entry in os.scandir(_scratch):
        if entry.is_dir(follow_symlinks=False):
            shutil.rmtree(entry.path, ignore_errors=True)
        else:
            os.unlink(entry.path)
    return _scratch


def run_one(name, text, lib=None):
    """Runs one input text; returns its summary rows (one per load case) or one row with the
    error. Its files are removed before the next run of this process."""
    with _scratch_lock:
        return _run_in(_scratch_folder(), name, text, lib)


def _run_in(folder, name, text, lib):
    try:
        result = run(text, workdir=folder, lib=lib, name="input")
    except TorvaError as e:
        return [{"input": name, "load_case": 0, "error": e.number if e.number is not None
                 else -1, "error_kind": e.kind, "error_text": e.text}]
    except ValueError as e:     # a plot-output file that cannot be read
        return _failure(name, "plot file", str(e))
    rows = []
    for record in result.summary_records():
        rows.append({"input": name, "units": result.units.name, "warning_code": result.code,
                     **record, "error": 0})
    if not rows:
        rows.append({"input": name, "units": result.units.name, "warning_code": result.code,
                     "load_case": 0, "error": 0})
    return rows


def _frame(rows, order):
    """One frame of the rows of every input, whatever units each used: input and load case
    first, the error columns last, in the order of the inputs and load cases."""
    frame = pd.DataFrame.from_records(rows)
    for column in ["units", "warning_code"] + ERROR_COLUMNS:
        if column not in frame:
            frame[column] = None
    frame["error"] = frame["error"].fillna(0).astype(int)
    frame["warning_code"] = frame["warning_code"].astype("Int64")
    lead = ["input", "load_case", "units", "warning_code"]
    values = [c for c in frame.columns if c not in lead + ERROR_COLUMNS]
    frame = frame[lead + values + ERROR_COLUMNS]
    position = frame["input"].map({name: k for k, name in enumerate(order)})
    frame = frame.assign(_position=position).sort_values(["_position", "load_case"],
                                                         kind="stable")
    return frame.drop(columns="_position").reset_index(drop=True)


def run_local(inputs, lib=None, progress=None):
    """The same rows as run_many, one input after the other in this process."""
    named = _named_inputs(inputs)
    rows = []
    for k, (name, text, problem) in enumerate(named, start=1):
        rows += _failure(name, "input not readable", problem) if problem else \
            run_one(name, text, lib)
        if progress:
            progress(k, len(named))
    return _frame(rows, [name for name, _, _ in named])


def run_group(items, lib=None):
    """Runs (name, text) pairs one after the other: the seconds they took and their rows, as
    run_one gives them."""
    start, rows = time.perf_counter(), []
    for name, text in items:
        rows += run_one(name, text, lib)
    return time.perf_counter() - start, rows


# Work a task aims at when the files are grouped automatically: long beside the cluster's cost
# per task (about 2 ms of CPU), short enough that progress shows and the workers end together.
_TASK_SECONDS = 0.25
# Tasks kept on the cluster for every worker thread, so that none waits for its next one.
_TASKS_PER_THREAD = 2


class Grouping:
    """Files the next task takes: `fixed` if the caller says; otherwise one until a task is
    back, then the files that take _TASK_SECONDS at the pace of those done so far, but no
    more than a share of the files left that keeps every worker thread busy to the end, nor
    fewer than an eighth of the _TASK_SECONDS files (tasks too small to be worth their cost)."""

    def __init__(self, threads, fixed=None):
        self.threads, self.fixed = max(threads, 1), fixed
        self.seconds = self.files = 0

    def record(self, seconds, files):
        self.seconds += seconds
        self.files += files

    def size(self, left):
        if self.fixed:
            return self.fixed
        if not self.files:
            return 1
        wanted = max(1, round(_TASK_SECONDS * self.files / max(self.seconds, 1e-9)))
        share = -(-left // (_TASKS_PER_THREAD * self.threads))
        return max(1, wanted // 8, min(wanted, share))


def local_cluster(workers=None):
    """A LocalCluster of `workers` one-thread worker processes (default: one per core). It has
    no dashboard, so its workers' statistical profiler (a stack sample every 10 ms, for the
    dashboard) is switched off."""
    import dask
    from dask.distributed import LocalCluster

    with dask.config.set({"distributed.worker.profile.enabled": False}):
        return LocalCluster(n_workers=workers or os.cpu_count() or 1, threads_per_worker=1,
                            processes=True, dashboard_address=None)


def run_many(inputs, client=None, lib=None, progress=None, workers=None, files_per_task=None):
    """Runs every input on a dask cluster and returns one row per input and load case, plus
    one row with the error number (`error`, 0 for none) for each input that failed.

    `inputs`: paths, input texts, or a mapping name -> path or text. `client`: a
    dask.distributed Client, a scheduler address ("tcp://host:8786"), or None for a
    LocalCluster of `workers` one-thread worker processes (default: one per core).
    `progress(done, total)` is called as the files finish. A task runs several files in turn,
    which saves the cluster's cost per task on small files: `files_per_task`, or by default
    about a quarter of a second of work, judged from the tasks already back. Two tasks a
    worker thread are kept on the cluster. A task that fails as a whole (its worker died in
    the engine) is sent again one file a task, so that only the file at fault fails.
    """
    from dask.distributed import Client, as_completed

    if files_per_task is not None and files_per_task < 1:
        raise ValueError(f"files_per_task must be 1 or more, not {files_per_task}")
    named = _named_inputs(inputs)
    own = []
    if client is None:
        cluster = local_cluster(workers)
        client = Client(cluster)
        own = [client, cluster]
    elif isinstance(client, str):
        client = Client(client)
        own = [client]
    try:
        rows = []
        for name, _, problem in named:
            if problem:
                rows += _failure(name, "input not readable", problem)
        waiting = deque((name, text) for name, text, problem in named if not problem)
        total = len(waiting)
        grouping = Grouping(sum(client.nthreads().values()), files_per_task)
        # Keys of this batch's own, so that another batch on the same client, or the end of
        # an earlier one still being released, never shares a task with it.
        group_of, keys, batch = {}, itertools.count(), uuid.uuid4().hex[:12]

        def submit(groups):
            futures = client.map(run_group, groups, [lib] * len(groups), pure=False,
                                 key=[f"torva-{batch}-{next(keys)}" for _ in groups])
            group_of.update((f.key, group) for f, group in zip(futures, groups))
            return futures

        def top_up(running):
            groups = []
            while waiting and running + len(groups) < _TASKS_PER_THREAD * grouping.threads:
                size = min(grouping.size(len(waiting)), len(waiting))
                groups.append([waiting.popleft() for _ in range(size)])
            return submit(groups)

        completed = as_completed(top_up(0), with_results=True, raise_errors=False)
        done = 0
        for future, outcome in completed:
            group = group_of.pop(future.key)
            if future.status == "error":
                if len(group) > 1:
                    for single in submit([[item] for item in group]):
                        completed.add(single)
                    continue
                # The file's worker died in the engine (dask retries such a task on other
                # workers before it gives up), or the worker lacks the package.
                part = _failure(group[0][0], "task failed", _describe(future.exception()))
            else:
                seconds, part = outcome
                grouping.record(seconds, len(group))
            rows += part
            done += len(group)
            if progress:
                progress(done, total)
            for more in top_up(completed.count()):
                completed.add(more)
        return _frame(rows, [name for name, _, _ in named])
    finally:
        for thing in own:
            thing.close()


def _describe(exception):
    return f"{type(exception).__name__}: {exception}"


def progress_bar(stream=None, width=40):
    """A progress callback that draws a plain bar on standard error."""
    stream = stream or sys.stderr

    def show(done, total):
        filled = width * done // max(total, 1)
        stream.write(f"\r[{'#' * filled}{'.' * (width - filled)}] {done}/{total}")
        if done == total:
            stream.write("\n")
        stream.flush()
    return show
