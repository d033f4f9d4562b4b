"""One analysis: the control files a front end writes, the call of LGO, and what it returned.

The engine keeps one model per process and reads its control file from the process's working
folder, so every call in this process is serialised by one lock and made inside the run's own
folder, which is restored afterwards. The engine turns every failure it foresees, and every
exception, into a numbered error; a fault it does not foresee (a crash) would end this process.
`run(..., isolate=True)` runs the engine in a child process instead, and a crash there becomes
an EngineCrash here.
"""

import ctypes
import faulthandler
import os
import re
import subprocess
import sys
import tempfile
import threading
from functools import lru_cache
from pathlib import Path

from .plotfile import read_plot
from .result import EngineWarning

INTERFACE_VERSION = 7001
_MAX_SECTIONS = 20      # moment-curvature files the engine may write: sections x thrusts
_MAX_THRUSTS = 100

_lock = threading.RLock()     # one run of the engine at a time in this process
_libraries = {}


class TorvaError(Exception):
    """A run that ended with a numbered error: `.number` is the error's own number, `.code`
    what LGO returned, `.text` the error's text from the message file (or the report)."""

    kind = "error"

    def __init__(self, number, code, text, files=None):
        self.number, self.code, self.text, self.files = number, code, text, files or {}
        super().__init__(f"{self.kind} {number}: {text}" if number is not None else text)


class InputError(TorvaError):
    kind = "input error"


class AnalysisError(TorvaError):
    kind = "runtime error"


class EngineCrash(AnalysisError):
    """The engine's child process ended without returning (isolate=True)."""
    kind = "engine crash"


def find_library(lib=None):
    """Path of libtorva.so: `lib`, else $TORVA_LIB, else beside the package, else the build
    folders of the source tree (release first)."""
    if lib is None:
        lib = os.environ.get("TORVA_LIB")
    if lib:
        path = Path(lib)
        if not path.is_file():
            raise FileNotFoundError(f"the engine library {path} does not exist")
        return path.resolve()
    here = Path(__file__).resolve().parent
    candidates = [here / "libtorva.so"]
    build = here.parent.parent / "build"
    for name in ("release", "dev", "test-normal"):
        candidates.append(build / name / "libtorva.so")
    if build.is_dir():
        candidates += sorted(build.glob("*/libtorva.so"))
    for path in candidates:
        if path.is_file():
            return path
    raise FileNotFoundError(
        "the engine library libtorva.so was not found beside the package or in build/*/; "
        "build the libtorva target or set TORVA_LIB")


def _library(path):
    with _lock:
        lib = _libraries.get(path)
        if lib is None:
            lib = ctypes.CDLL(str(path))
            lib.LGO.argtypes = [ctypes.c_int32]
            lib.LGO.restype = ctypes.c_int32
            _libraries[path] = lib
            if not faulthandler.is_enabled():
                # A crash inside the engine then at least says where this process stopped.
                try:
                    faulthandler.enable()
                except (AttributeError, OSError, ValueError):
                    pass    # a standard error stream without a file descriptor
        return lib


def write_control_files(folder, input_path, stem):
    """Writes NAMES.DAT and M_vs_EI_report_names.txt in `folder`; returns the run's files."""
    folder = Path(folder).resolve()
    files = {"input": Path(input_path).resolve(),
             "report": folder / f"{stem}-report.txt",
             "plot": folder / f"{stem}-plot.txt",
             "messages": folder / f"{stem}-messages.txt"}
    for key in ("input", "report", "plot", "messages"):
        if "\n" in str(files[key]):
            raise ValueError(f"the file name {files[key]!r} holds a line break")
    (folder / "NAMES.DAT").write_bytes(
        b"".join(os.fsencode(files[k]) + b"\n" for k in ("input", "report", "plot", "messages")))
    (folder / "M_vs_EI_report_names.txt").write_bytes(_section_report_names(f"{folder}/{stem}"))
    return files


@lru_cache(maxsize=4)
def _section_report_names(prefix):
    """The moment-curvature file names for every section and thrust the engine can analyse."""
    prefix = os.fsencode(prefix)
    return b"".join(prefix + suffix for suffix in _MC_SUFFIXES)


_MC_SUFFIXES = tuple(f"-mc-s{s:02d}-t{t:03d}.txt\n".encode()
                     for s in range(1, _MAX_SECTIONS + 1) for t in range(1, _MAX_THRUSTS + 1))


def call_engine(folder, lib=None, isolate=False):
    """Calls LGO(7001) with `folder` as the working folder; returns its result code."""
    path = find_library(lib)
    folder = Path(folder).resolve()
    if isolate:
        return _call_in_child(path, folder)
    engine = _library(path)
    with _lock:
        saved = os.getcwd()
        os.chdir(folder)
        try:
            return engine.LGO(INTERFACE_VERSION)
        finally:
            os.chdir(saved)


_CHILD = ("import ctypes, sys\n"
          "lib = ctypes.CDLL(sys.argv[1])\n"
          "lib.LGO.argtypes = [ctypes.c_int32]\n"
          "lib.LGO.restype = ctypes.c_int32\n"
          "print(lib.LGO(int(sys.argv[2])))\n")


def _call_in_child(path, folder):
    done = subprocess.run([sys.executable, "-c", _CHILD, str(path), str(INTERFACE_VERSION)],
                          cwd=folder, capture_output=True, text=True)
    if done.returncode != 0 or not done.stdout.strip().lstrip("-").isdigit():
        how = (f"was killed by signal {-done.returncode}" if done.returncode < 0
               else f"exited with status {done.returncode}")
        detail = done.stderr.strip().splitlines()[-1:] or [""]
        raise EngineCrash(None, None, f"the engine process {how} without ending the run; "
                          f"{detail[0]}".rstrip("; "))
    return int(done.stdout.split()[-1])


def run(input, workdir=None, lib=None, isolate=False, name=None):
    """Runs one analysis and returns its Result.

    `input` is the path of an input data file or the text of one (text begins with TORVAP7 or
    holds a line break). The run's files go to `workdir`, a fresh temporary folder by default
    (kept, so that the report and the plot file can be read afterwards). `name` is the stem of
    the output files (default: the input file's stem, or "input" for text).
    Raises InputError or AnalysisError when the run ends with an error.
    """
    text = _is_text(input)
    if not text and not Path(input).is_file():
        raise FileNotFoundError(f"the input data file {input} does not exist")
    folder = Path(workdir) if workdir is not None else Path(tempfile.mkdtemp(prefix="torva-"))
    folder.mkdir(parents=True, exist_ok=True)
    folder = folder.resolve()   # the engine opens the named files from inside the folder
    if text:
        stem = name or "input"
        input_path = folder / f"{stem}.tp7"
        input_path.write_text(input, encoding="utf-8", errors="surrogateescape")
    else:
        input_path = Path(input)
        stem = name or input_path.stem
    files = write_control_files(folder, input_path, stem)
    for key in ("report", "plot", "messages"):
        # A run that fails before it opens its files must not be read from an earlier run's.
        files[key].unlink(missing_ok=True)
    code = call_engine(folder, lib, isolate)
    return finish(code, files)


def _is_text(input):
    if isinstance(input, Path):
        return False
    return isinstance(input, str) and ("\n" in input or input.lstrip().startswith("TORVAP7"))


def finish(code, files):
    """The Result of a run that returned `code`, or the exception for its error."""
    if code == 99:
        raise AnalysisError(None, code, "the engine refused interface version "
                            f"{INTERFACE_VERSION}", files)
    if code > 0:
        text = error_text(files)
        if 100 < code < 200:
            raise InputError(code - 100, code, text, files)
        raise AnalysisError(code if code == 999 else code - 200, code, text, files)
    result = read_plot(files["plot"])
    result.report, result.messages, result.code = files["report"], files["messages"], code
    if code < 0:
        result.warnings = warnings_of(files["report"], code)
    return result


_BANNER = re.compile(r"^\s*(\*{3,}\s*(Input Data Error|INPUT ERROR|Runtime Error)|INPUT ERROR - )")
_ENDING = re.compile(r"^The analysis ended due to (input|runtime) error No\. ")


def _read_lines(path):
    try:
        return Path(path).read_text(encoding="latin-1").splitlines()
    except OSError:
        return []


def error_text(files):
    """The error block that ended a run: from its banner to the line saying how the run ended,
    from the message file, or from the report when the message file has no banner."""
    for key in ("messages", "report"):
        lines = _read_lines(files[key])
        end = next((i for i, l in enumerate(lines) if _ENDING.match(l)), None)
        if end is None:
            continue
        start = next((i for i in range(end, -1, -1) if _BANNER.match(lines[i])), None)
        if start is None:
            continue
        if start > 0 and set(lines[start - 1].strip()) == {"-"}:
            start -= 1      # a banner between two rules
        block = [l.rstrip() for l in lines[start:end + 1]]
        return re.sub(r"\n{3,}", "\n\n", "\n".join(block)).strip()
    for key in ("messages", "report"):
        ending = [l.strip() for l in _read_lines(files[key]) if _ENDING.match(l)]
        if ending:
            return ending[-1]
    return "the run ended with an error but wrote no error text"


def warnings_of(report, code):
    """The warnings of the report's summary. The summary does not number them; a run with one
    kind of warning returns its number as the code (-N), one with several returns -300."""
    lines = _read_lines(report)
    try:
        start = next(i for i, l in enumerate(lines) if l.strip() == "Summary of Warning Messages")
    except StopIteration:
        return []
    entries, current = [], None
    for line in lines[start + 2:]:
        m = re.match(r"^The following warning was reported (\d+) times", line)
        if m:
            current = [int(m.group(1)), []]
            entries.append(current)
        elif line.startswith("The analysis ended"):
            break
        elif current is not None:
            current[1].append(line.rstrip())
    number = -code if code != -300 and len(entries) == 1 else None
    return [EngineWarning(number, count, re.sub(r"\n{3,}", "\n\n", "\n".join(text)).strip())
            for count, text in entries]
