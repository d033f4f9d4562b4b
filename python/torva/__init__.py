"""Torva from Python: run lateral pile analyses, read their results as pandas data frames,
draw them with matplotlib and run batches on a dask.distributed cluster.

    import torva
    result = torva.run("examples/soft_clay_pile.tp7")
    result.summary                      # one row per load case
    torva.plot.profiles(result)         # deflection, moment, shear and soil reaction
"""

from .engine import (AnalysisError, EngineCrash, InputError, TorvaError, find_library,
                     run)
from .plotfile import parse_plot, read_plot
from .result import EngineWarning, Result
from . import plot

__all__ = ["run", "read_plot", "parse_plot", "find_library", "Result", "EngineWarning",
           "TorvaError", "InputError", "AnalysisError", "EngineCrash", "plot", "batch"]


def __getattr__(name):
    # dask is loaded only when a batch is wanted.
    if name == "batch":
        from . import batch
        return batch
    raise AttributeError(f"module 'torva' has no attribute {name!r}")
