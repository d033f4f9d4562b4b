"""Shared fixtures: the package from this source tree, the engine library, the examples."""

import os
import sys
from pathlib import Path

import pytest

PACKAGE = Path(__file__).resolve().parent.parent
ROOT = PACKAGE.parent
EXAMPLES = ROOT / "examples"
# The interpreter that sees the distribution's numpy, pandas, matplotlib and dask.
PYTHON = "/usr/bin/python3" if Path("/usr/bin/python3").exists() else sys.executable

sys.path.insert(0, str(PACKAGE))

import torva  # noqa: E402


@pytest.fixture(scope="session")
def lib():
    """The engine library the suite runs against (TORVA_LIB, or the build folders)."""
    path = torva.find_library()
    os.environ["TORVA_LIB"] = str(path)    # for child processes and dask workers
    return path


@pytest.fixture(scope="session")
def soft_clay_text():
    return (EXAMPLES / "soft_clay_pile.tp7").read_text()


def child_env(lib):
    """Environment of a child process that imports this package and finds this library."""
    env = dict(os.environ)
    env["PYTHONPATH"] = str(PACKAGE) + os.pathsep + env.get("PYTHONPATH", "")
    env["TORVA_LIB"] = str(lib)
    return env
