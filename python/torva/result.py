"""The results of one run, as the plot-output file gives them."""

from dataclasses import dataclass
from functools import cached_property
from typing import Optional

import numpy as np
import pandas as pd

from .units import US_CUSTOMARY


@dataclass(frozen=True)
class EngineWarning:
    """A warning the engine registered: its number (None when the run reported several kinds,
    whose summary does not number them), how often it occurred and the summary text."""
    number: Optional[int]
    count: int
    text: str


class Table:
    """Rows as read, with their column names; made into a DataFrame when first asked for."""

    def __init__(self, columns, rows=None):
        self.columns = list(columns)
        self.rows = [] if rows is None else rows

    def frame(self):
        if isinstance(self.rows, np.ndarray):
            return pd.DataFrame(self.rows, columns=self.columns)
        return pd.DataFrame.from_records(self.rows, columns=self.columns)


class Result:
    """Everything a run wrote to its plot-output file.

    Column names carry their units (``deflection_in``, ``moment_kN_m`` ...): lengths, forces
    and moments are in the internal units of the run (pounds and inches in US customary runs,
    kN and metres in SI), the section tables in kips in US customary runs, as the engine
    writes them. The frames are made when first used.

    Attributes besides the frames: ``analysis_type`` (2 bending properties only, 3 full
    analysis), ``units`` (a torva.units.Units), ``stiffness_requested``, ``section_count``,
    ``pushover_fixity``, ``buckling_capacity`` and ``buckling_line`` (a, b) when the buckling
    analysis found them, the run's ``plot``, ``report`` and ``messages`` paths, ``code`` (what
    the engine returned: 0, or a warning code below 0) and ``warnings``.
    """

    def __init__(self, analysis_type, units, stiffness_requested, section_count, tables,
                 cases, pushover_fixity=0, buckling_capacity=None, buckling_line=None):
        self.analysis_type = analysis_type
        self.units = units
        self.stiffness_requested = stiffness_requested
        self.section_count = section_count
        self._tables = tables           # name -> Table (None for an analysis not run)
        self._cases = cases             # (columns, [ndarray per load case])
        self.pushover_fixity = pushover_fixity
        self.buckling_capacity = buckling_capacity
        self.buckling_line = buckling_line
        self.plot = self.report = self.messages = None
        self.code = 0
        self.warnings = []

    def _frame(self, name):
        table = self._tables.get(name)
        return None if table is None else table.frame()

    @cached_property
    def cases(self):
        """Node results of every load case, one frame per load case: node, depth, deflection,
        moment, shear, soil reaction and bending stiffness."""
        columns, blocks = self._cases
        frames = []
        for values in blocks:
            frame = pd.DataFrame(values, columns=columns)
            frame.insert(0, "node", np.arange(1, len(values) + 1))
            frames.append(frame)
        return frames

    @cached_property
    def summary(self):
        """One row per load case: pile-head shear, deflection, rotation and moment, the largest
        moment and shear with their depths."""
        return self._frame("summary")

    def summary_records(self):
        """The summary rows as dictionaries, without making any frame."""
        table = self._tables["summary"]
        return [dict(zip(table.columns, row)) for row in table.rows]

    @cached_property
    def sections(self):
        """One row per section and axial thrust: kind, points, thrust and moment capacity."""
        return self._frame("sections")

    @cached_property
    def moment_curvature(self):
        """One row per moment-curvature point of every section and axial thrust."""
        frame = self._frame("moment_curvature")
        if self.units.code == US_CUSTOMARY and len(frame):
            # Elastic-plastic sections write their table in pounds and inches.
            moment, ei = frame.columns[4], frame.columns[5]
            ep = (frame["kind"] == "elastic-plastic").to_numpy()
            if ep.any():
                frame["moment_in_lb"] = np.where(ep, frame[moment], np.nan)
                frame["EI_lb_in2"] = np.where(ep, frame[ei], np.nan)
                frame.loc[ep, [moment, ei]] = np.nan
        return frame

    @cached_property
    def py_curves(self):
        """One row per point of every printed p-y curve."""
        return self._frame("py_curves")

    @cached_property
    def py_curve_depths(self):
        """One row per printed p-y curve: depth, number of points and criterion."""
        return self._frame("py_curve_depths")

    @cached_property
    def length_sweep(self):
        """Pile-head deflection, largest moment and shear against pile length, per load case."""
        return self._frame("length_sweep")

    @cached_property
    def stiffness(self):
        """Pile-head stiffness points, or None when the run computed none."""
        return self._frame("stiffness")

    @cached_property
    def pushover(self):
        """One row per converged pushover step (empty without a pushover analysis)."""
        return self._frame("pushover")

    @cached_property
    def buckling(self):
        """Buckling points, or None without a buckling analysis."""
        return self._frame("buckling")

    @property
    def options(self):
        """The run's options as the plot-output file states them (Line 1, and the counts of
        the groups that follow)."""
        return {"analysis_type": self.analysis_type, "units": self.units.code,
                "stiffness_matrix": self.stiffness_requested,
                "sections": self.section_count, "load_cases": self.load_case_count,
                "py_curves": len(self._tables["py_curve_depths"].rows),
                "pushover_fixity": self.pushover_fixity}

    @property
    def load_case_count(self):
        return len(self._cases[1])

    def _repr_html_(self):
        # A notebook shows the run and its summary table.
        from html import escape
        table = self.summary.to_html(index=False) if len(self.summary) else ""
        return f"<p>{escape(repr(self))}</p>{table}"

    def __repr__(self):
        where = f" from {self.plot}" if self.plot else ""
        return (f"<torva.Result{where}: {self.units.name} units, {self.section_count} sections, "
                f"{self.load_case_count} load cases, "
                f"{len(self._tables['py_curve_depths'].rows)} p-y curves, "
                f"{len(self.warnings)} warnings>")
