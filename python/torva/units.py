"""Unit suffixes of the column names, by the unit system of a run.

The engine writes the plot-output file in the internal units of the run: pounds and inches in
US customary runs (the section tables in kips), kN and metres in SI runs, and the input's own
units in general-unit runs (shown as F for force and L for length).
"""

from dataclasses import dataclass

US_CUSTOMARY = 1
SI = 2
GENERAL = 3


@dataclass(frozen=True)
class Units:
    code: int               # the run's unit code: 1 US customary, 2 SI, 3 general units
    length: str             # lengths, depths and deflections
    force: str              # forces
    moment: str             # bending moments
    force_per_length: str   # soil reactions and p-y resistances
    stiffness: str          # bending stiffness EI
    section_force: str      # axial thrusts and moments of the section tables
    section_moment: str
    section_stiffness: str
    curvature: str

    @property
    def name(self):
        return {US_CUSTOMARY: "US customary", SI: "SI", GENERAL: "general"}[self.code]


_TABLE = {
    US_CUSTOMARY: Units(US_CUSTOMARY, "in", "lb", "in_lb", "lb_per_in", "lb_in2",
                        "kip", "in_kip", "kip_in2", "rad_per_in"),
    SI: Units(SI, "m", "kN", "kN_m", "kN_per_m", "kN_m2", "kN", "kN_m", "kN_m2", "rad_per_m"),
    GENERAL: Units(GENERAL, "L", "F", "F_L", "F_per_L", "F_L2", "F", "F_L", "F_L2",
                   "rad_per_L"),
}


def units_of(code):
    """The suffixes of a unit code; ValueError for a code the engine does not write."""
    try:
        return _TABLE[code]
    except KeyError:
        raise ValueError(f"unit code {code} is not 1 (US customary), 2 (SI) or 3 (general)")
