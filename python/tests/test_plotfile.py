"""The plot-output file reader: whole runs of the examples against their reports, and small
record texts for the records the examples do not produce."""

import math
import re

import numpy as np
import pytest

import torva
from conftest import EXAMPLES


# Record writers in the layouts of the plot-output file: fields from column 1, the description
# from column 105 unless a record says otherwise.
def e(v):
    """E15.7: 0.dddddddE+xx right-aligned in 15 columns; an exponent of three digits takes the
    place of the letter."""
    if v == 0:
        return "  0.0000000E+00"
    s = f"{abs(v):.6e}"
    digits, exponent = s[0] + s[2:8], int(s[9:]) + 1
    sign = "+" if exponent >= 0 else "-"
    power = f"{sign}{abs(exponent)}" if abs(exponent) >= 100 else f"E{sign}{abs(exponent):02d}"
    return f"{'-' if v < 0 else ''}0.{digits}{power}".rjust(15)


def i5(n):
    return f"{n:5d}"


def rec(fields, description, column=105):
    return fields.ljust(column - 1) + description


def us_head(analysis_type=3, kmatrix=0, sections=0):
    return [rec(i5(analysis_type) + i5(1) + i5(0) + i5(kmatrix),
                "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F"),
            rec(i5(sections), "Line 2 : Total number of sections")]


def us_case(nodes, j, sweep=()):
    """Line 10 records of a straight-line pile (x = 12 i, y = 1 - i/10, M = 100 i), then Line 11
    with the given (length, ytop, mmax, vmax) rows of a pile-length sweep."""
    lines = []
    for i in range(1, nodes + 1):
        values = (12.0 * (i - 1), j * (1.0 - i / 10.0), 100.0 * i * (-1) ** j, 10.0 * j, -5.0,
                  2.5e10)
        lines.append(rec("".join(e(v) for v in values), f"Line 10({i:3d}) : nodal depth, y(in), "
                         "M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)"))
    if sweep:
        lines.append(rec(i5(len(sweep)), "Line 11: Num. points on Ytop vs. pile length curve "
                         f"for load case {j}"))
        for row in sweep:
            lines.append(rec("".join(e(v) for v in row), "Line 12: pile length (in), Ytop (in), "
                             "Max Moment(in-lb), Max Shear(lbs)"))
    else:
        lines.append(rec("    0", f"Line 11: Num. points on Ytop vs. Length curve for load case {j}"))
    return lines


NO_PUSHOVER = rec(i5(0) * 3, "Line 16: Number pushover steps computed, pushover BC type")
NO_BUCKLING = rec(i5(0) + e(0) + e(0), "Line 18: Number of buckling points computed, Vtop, Mtop")


def optional_analyses_file():
    """Two load cases (the first with a length sweep), the pile-head stiffness, a pushover with
    free and fixed head, and a buckling analysis."""
    lines = us_head(kmatrix=1)
    lines.append(rec("    0", "Line 6 : number of output p-y curves"))
    lines.append(rec(i5(2) + i5(3) + i5(1), "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, "
                     "2 = SI"))
    lines += us_case(3, 1, sweep=[(600.0, 0.5, 1.0e6, 2.0e4), (720.0, 0.25, 1.1e6, 2.1e4)])
    lines += us_case(3, 2)
    for j in (1, 2):
        lines.append(rec("".join(e(v) for v in (1000.0 * j, 0.5 * j, 3.0e5, 1000.0 * j, -0.01)),
                         "Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), "
                         "Rotation(rad)"))
    lines.append(rec(i5(2), "Line 14: Number of stiffness matrix K-values computed"))
    for k in (1, 2):
        lines.append("".join(e(v) for v in (100.0 * k, 2000.0 * k, 5.0e4, -3.0e6, -3.0e6,
                                            4.0e8, 0.01 * k, 0.001 * k))
                     + "  Line 15: V, M, K22, K23, K32, K33, ytop, theta")
    lines.append(rec(i5(2) + i5(1) + i5(2), "Line 16: # free-head pushover steps computed, "
                     "# fixed-head pushover steps computed, pushover BC type"))
    for step, condition in ((1, 4), (2, 4), (3, 5)):
        lines.append(rec(i5(step) + i5(condition)
                         + "".join(e(v) for v in (0.1 * step, 500.0 * step, 4.0e5, 600.0 * step,
                                                  96.0, 0.0)),
                         "Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax"))
    lines.append(rec(i5(2) + e(3.5e6) + e(-2.0) + e(7.0e6),
                     "Line 17: Num. Buckling points, Buckling capacity (lbs), a slope, b intercept"))
    for thrust in (1.0e5, 2.0e5):
        lines.append(rec("".join(e(v) for v in (thrust, thrust * 1e-6, thrust * 10, 100.0)),
                         "Line 18: axial thrust (lbs), Ytop (in), Max Moment(in-lb), "
                         "Max Shear(lbs)"))
    return "\n".join(lines) + "\n"


def sections_file():
    """An EI-only run of two sections (elastic, then elastic-plastic) at two axial thrusts."""
    lines = us_head(analysis_type=2, sections=2)
    lines.append(rec(i5(2), "Line 3d : Total number of axial thrusts for elastic section"))
    texts = {"elastic": ("Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. "
                         "Moment Cap. (in-kips) for linear EI pile at top of section",
                         "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) "
                         "for Sect#="),
             "elastic-plastic": ("Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. "
                                 "Moment Cap. (in-kip) for elastic-plastic EI at top of section",
                                 "Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature "
                                 "(rad/in) for Sect#=")}
    for s, kind in ((1, "elastic"), (2, "elastic-plastic")):
        for t in (1, 2):
            line4, line5 = texts[kind]
            lines.append(rec(i5(3) + " " * 10 + e(100.0 * t) + e(5000.0 * s), line4))
            for p in (1, 2, 3):
                lines.append(rec(e(1000.0 * p * s) + e(7.0e7 / s) + e(1e-5 * p),
                                 f"{line5}{s}, AxLd#={t}, CurvPnt#={p}"))
    return "\n".join(lines) + "\n"


def test_optional_analyses_records():
    r = torva.parse_plot(optional_analyses_file())
    assert r.options == {"analysis_type": 3, "units": 1, "stiffness_matrix": True, "sections": 0,
                         "load_cases": 2, "py_curves": 0, "pushover_fixity": 2}
    assert list(r.length_sweep.columns) == ["load_case", "pile_length_in", "head_deflection_in",
                                            "max_moment_in_lb", "max_shear_lb"]
    assert r.length_sweep["pile_length_in"].tolist() == [600.0, 720.0]
    assert set(r.length_sweep["load_case"]) == {1}
    assert r.stiffness.shape == (2, 8)
    assert r.stiffness["K33_in_lb_per_rad"].tolist() == [4.0e8, 4.0e8]
    assert r.stiffness["head_rotation_rad"].tolist() == [0.001, 0.002]
    assert r.pushover_fixity == 2
    assert r.pushover["head_condition"].tolist() == [4, 4, 5]
    assert r.pushover["head_shear_lb"].tolist() == [500.0, 1000.0, 1500.0]
    assert r.buckling_capacity == 3.5e6 and r.buckling_line == (-2.0, 7.0e6)
    assert r.buckling["axial_thrust_lb"].tolist() == [1.0e5, 2.0e5]
    assert "<table" in r._repr_html_() and "max_moment_depth_in" in r._repr_html_()
    # The summary takes the depth of the largest moment from the node records.
    assert r.summary["max_moment_depth_in"].tolist() == [24.0, 24.0]
    assert r.summary["head_shear_lb"].tolist() == [1000.0, 2000.0]
    assert np.allclose(r.cases[1]["deflection_in"], [1.8, 1.6, 1.4])


def test_moment_curvature_records_keep_the_units_of_each_section_kind():
    r = torva.parse_plot(sections_file())
    assert r.analysis_type == 2 and r.load_case_count == 0
    assert r.sections["kind"].tolist() == ["elastic"] * 2 + ["elastic-plastic"] * 2
    assert r.sections["thrust_kip"].tolist() == [100.0, 200.0] * 2
    mc = r.moment_curvature
    assert len(mc) == 12
    elastic = mc[mc["kind"] == "elastic"]
    plastic = mc[mc["kind"] == "elastic-plastic"]
    assert elastic["moment_in_kip"].tolist() == [1000.0, 2000.0, 3000.0] * 2
    assert plastic["moment_in_kip"].isna().all() and elastic["moment_in_lb"].isna().all()
    assert plastic["moment_in_lb"].tolist() == [2000.0, 4000.0, 6000.0] * 2
    assert plastic["EI_lb_in2"].tolist() == [3.5e7] * 6


def test_records_of_a_buckling_analysis_without_results_and_above_ground_curves():
    lines = us_head()
    lines.append(rec(i5(2), "Line 6 : number of output p-y curves", column=81))
    lines.append(rec(e(-12.0) + i5(0), "Line 7:  p-y curve depth, no. p-y points"))
    lines.append(rec(e(60.0) + i5(2), "Line 7:  p-y curve depth in API soft clay with J, no. "
                     "points on p-y curve no. 2"))
    for p, (y, pv) in enumerate(((0.0, 0.0), (0.5, 120.0)), start=1):
        lines.append(rec(e(y) + e(pv), f"Line 8({p:2d}): y, p, for API soft clay"))
    lines.append(rec(i5(1) + i5(2) + i5(1), "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, "
                     "2 = SI"))
    lines += us_case(2, 1)
    lines.append(rec("".join(e(v) for v in (1.0, 1.0, 1.0, 1.0, 0.0)), "Line 13: TopV(lbs), "
                     "TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)"))
    lines.append(NO_PUSHOVER)
    lines.append(rec("    0", "Line 11: Num. points on Ytop vs. pile length curve for load case 0"))
    r = torva.parse_plot("\n".join(lines))
    assert r.buckling is not None and len(r.buckling) == 0 and r.buckling_capacity is None
    garbled = lines[:6] + [lines[6].replace("Line 8( 2)", "Line 8( 3)")] + lines[7:]
    with pytest.raises(ValueError, match=r"line 7: Line 8 record 2 of p-y curve 2 is due"):
        torva.parse_plot("\n".join(garbled))
    assert r.py_curve_depths["points"].tolist() == [0, 2]
    assert r.py_curve_depths["criterion"].tolist() == ["above the ground surface",
                                                       "API soft clay with J"]
    assert r.py_curves["p_lb_per_in"].tolist() == [0.0, 120.0]


def _replace(text, n, new):
    lines = text.splitlines()
    lines[n - 1] = new(lines[n - 1])
    return "\n".join(lines) + "\n"


GOOD = optional_analyses_file()
SECTIONS = sections_file()


@pytest.mark.parametrize("text, line, words", [
    ("\n".join(GOOD.splitlines()[:5]), 6, "ends where the Line 10 record of node 2 of load case 1"),
    ("\n".join(GOOD.splitlines()[:14]), 15, "ends where the Line 13 record of load case 1"),
    ("\n".join(GOOD.splitlines()[:-1]), len(GOOD.splitlines()), "Line 18 record 2"),
    (_replace(GOOD, 6, lambda l: l[:20] + "x" + l[21:]), 6, "holds no number"),
    (_replace(GOOD, 6, lambda l: l.replace("Line 10(  2)", "Line 10(  3)")), 6, "Line 10"),
    (_replace(GOOD, 3, lambda l: l.replace("Line 6 ", "Line 66")), 3, "Line 6 record is due"),
    (_replace(GOOD, 9, lambda l: l.replace("Line 12", "Line 13")), 9, "Line 12 record 1 of load case 1 is due"),
    (_replace(GOOD, 1, lambda l: "    3    7" + l[10:]), 1, "unit code 7"),
    (_replace(GOOD, 2, lambda l: " " + l), 2, "column 106"),
    (_replace(GOOD, 2, lambda l: "  0.5" + l[5:]), 2, "no whole number"),
    (GOOD + NO_BUCKLING + "\n", len(GOOD.splitlines()) + 1, "after the end"),
    (_replace(SECTIONS, 6, lambda l: l[:20] + "x" + l[21:]), 6,
     "Line 5 record 2 of section 1, axial thrust 1: the field"),
    (_replace(SECTIONS, 6, lambda l: l.replace("CurvPnt#=2", "CurvPnt#=3")), 6,
     "Line 5 record 2 of section 1, axial thrust 1 is due"),
], ids=["truncated in a node group", "truncated before the summary", "truncated in buckling",
        "garbled field", "node out of order", "unknown record", "record out of place",
        "unit code", "description column", "count not whole", "record after the end",
        "garbled moment-curvature field", "moment-curvature point out of order"])
def test_truncated_or_garbled_files_name_the_line(text, line, words):
    with pytest.raises(ValueError) as caught:
        torva.parse_plot(text, "case.txt")
    message = str(caught.value)
    assert f"case.txt, line {line}:" in message
    assert words in message


# --- whole runs of the examples ---------------------------------------------------------

def _printed(report, label):
    """The values of `label` in the report's output summaries, with their printed decimals."""
    values = []
    for m in re.finditer(re.escape(label) + r"\s*=\s*(\S+)", report):
        text = m.group(1)
        decimals = len(text.split(".")[1]) if "." in text else 0
        values.append((float(text), decimals))
    return values


def _agree(plot_value, printed):
    """Equal to the printed digits: within half a unit of the report's last digit, or of the
    seventh significant digit the plot file keeps, whichever is coarser."""
    value, decimals = printed
    plot_digit = 0.5 * 10.0 ** (math.floor(math.log10(abs(plot_value))) - 6) if plot_value else 0
    return abs(plot_value - value) <= max(0.5 * 10.0 ** -decimals, plot_digit) * (1 + 1e-9)


@pytest.mark.parametrize("example", sorted(p.name for p in EXAMPLES.glob("*.tp7")))
def test_every_example_parses_and_agrees_with_its_report(example, lib, tmp_path):
    try:
        r = torva.run(EXAMPLES / example, workdir=tmp_path)
    except torva.TorvaError as error:
        # A run that ended with an error leaves a plot file that stops where the run stopped.
        with pytest.raises(ValueError, match=r"line \d+: the file ends"):
            torva.read_plot(error.files["plot"])
        return
    report = r.report.read_text()
    depth_scale = 12.0 if r.units.code == 1 else 1.0    # US customary reports give feet
    deflections = _printed(report, "Pile-head deflection")
    moments = _printed(report, "Maximum bending moment")
    depths = _printed(report, "Depth of maximum bending moment")
    shears = _printed(report, "Maximum shear force")
    if "PrintSummaryOnly YES" not in (EXAMPLES / example).read_text():
        assert len(deflections) == r.load_case_count
    for j, row in enumerate(r.summary_records()):
        u = r.units
        assert _agree(row[f"head_deflection_{u.length}"], deflections[j])
        assert _agree(row[f"max_moment_{u.moment}"], moments[j])
        assert _agree(row[f"max_shear_{u.force}"], shears[j])
        assert _agree(row[f"max_moment_depth_{u.length}"] / depth_scale, depths[j])
        frame = r.cases[j]
        assert frame[f"deflection_{u.length}"].iloc[0] == row[f"head_deflection_{u.length}"]
        assert abs(frame[f"moment_{u.moment}"]).max() == abs(row[f"max_moment_{u.moment}"])
    if r.load_case_count:
        assert len(r.cases[0]) == int(re.search(r"^\s*\d+\s+(\d+)\s+\d\s+Line 9:",
                                                r.plot.read_text(), re.M).group(1))


@pytest.mark.parametrize("units, suffixes", [
    ("SI", ["m", "m", "kN_m", "kN", "kN_per_m", "kN_m2"]),
    ("GENERAL", ["L", "L", "F_L", "F", "F_per_L", "F_L2"]),
])
def test_column_names_carry_the_units_of_the_run(lib, tmp_path, units, suffixes):
    text = (EXAMPLES / "elastic_subgrade_si.tp7").read_text().replace("Units SI", f"Units {units}")
    r = torva.run(text, workdir=tmp_path)
    names = ["depth", "deflection", "moment", "shear", "soil_reaction", "EI"]
    assert list(r.cases[0].columns) == ["node"] + [f"{n}_{s}" for n, s in zip(names, suffixes)]
    assert f"max_moment_depth_{suffixes[0]}" in r.summary.columns
    assert list(r.py_curves.columns)[2:] == [f"y_{suffixes[0]}", f"p_{suffixes[4]}"]


def test_node_values_read_exactly_as_their_decimal_text():
    # Values of every sign and a wide range of exponents, then the texts of non-finite values.
    rng = np.random.default_rng(7)
    values = rng.uniform(-1, 1, 60) * 10.0 ** rng.integers(-25, 25, 60)
    values[:5] = (0.0, -1.0e-20, 9.999999e20, -2.5e-120, 3.0e150)
    fields = [e(v) for v in values]
    lines = us_head() + [rec("    0", "Line 6 : number of output p-y curves"),
                         rec(i5(1) + i5(10) + i5(1), "Line 9:  No. loads, No. nodes, iunits: "
                             "1 = USCS, 2 = SI")]
    for i in range(10):
        lines.append(rec("".join(fields[6 * i:6 * i + 6]), f"Line 10({i + 1:3d}) : nodal depth, "
                         "y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)"))
    lines.append(rec("    0", "Line 11: Num. points on Ytop vs. Length curve for load case 1"))
    lines.append(rec("".join(e(v) for v in (1.0, 1.0, 1.0, 1.0, 0.0)), "Line 13: TopV(lbs), "
                     "TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)"))
    lines += [NO_PUSHOVER, NO_BUCKLING]
    r = torva.parse_plot("\n".join(lines))
    got = r.cases[0].iloc[:, 1:].to_numpy().ravel()
    as_read = [float(re.sub(r"(\d)([+-]\d{3})$", r"\1E\2", f.strip())) for f in fields]
    assert got.tolist() == as_read and as_read[3:5] == [-2.5e-120, 3.0e150]

    lines[8] = lines[8][:15] + "      -Infinity" + "   Not-a-Number" + lines[8][45:]
    got = torva.parse_plot("\n".join(lines)).cases[0].iloc[4].tolist()   # node 5
    assert got[2] == -np.inf and np.isnan(got[3])
