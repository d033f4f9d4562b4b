"""Reader of the plot-output file.

Every record is one line: numbers in fixed-width fields (I5, E15.7, blanks) from column 1, then
a description beginning "Line" and the record's number, mostly from column 105. Records come in
a fixed order and the counts that precede each group say how many follow, so the file is read
sequentially; a record out of place, a field that cannot be read, a description that is not the
one due, or a file that ends inside a group raises ValueError naming the line.
"""

import re
from functools import lru_cache
from pathlib import Path

import numpy as np
from .result import Result, Table
from .units import US_CUSTOMARY, units_of

_DESCRIPTION = 104      # 0-based column of most descriptions (T105)
_AFTER_75X = 80         # I5 then 75X, and the T81 of input moment-curvature sections
_LINE15_COLUMN = 122    # 8E15.7 then two blanks


class _Field:
    __slots__ = ("kind", "width")

    def __init__(self, kind, width):
        self.kind, self.width = kind, width


I5, E15, X10 = _Field("I", 5), _Field("E", 15), _Field("X", 10)


_NO_LETTER = re.compile(r"([+-]?\d*\.\d+)([+-]\d{3})")   # an exponent of three digits


def _number(text):
    s = text.strip()
    if s == "Not-a-Number":
        return float("nan")
    m = _NO_LETTER.fullmatch(s)
    if m:
        s = f"{m.group(1)}E{m.group(2)}"
    try:
        if s.strip("*") == "":
            raise ValueError
        return float(s)
    except ValueError:
        raise ValueError(f"the field '{text}' holds no number") from None


def _integer(text):
    s = text.strip()
    if not s or not re.fullmatch(r"-?\d+", s):
        raise ValueError(f"the field '{text}' holds no whole number")
    return int(s)


class _Lines:
    """The file's lines with the position of the next one to read."""

    def __init__(self, path, text):
        self.path = path
        self.lines = text.splitlines()
        self.i = 0

    def where(self, i=None):
        return f"{self.path}, line {(self.i if i is None else i) + 1}"

    def fail(self, message, i=None):
        raise ValueError(f"plot-output file {self.where(i)}: {message}")

    def at_end(self):
        return self.i >= len(self.lines)

    def description(self):
        """Description of the next record, or None at the end of the file."""
        if self.at_end():
            return None
        line = self.lines[self.i]
        k = line.find("Line ")
        return line[k:] if k >= 0 else ""

    def next_is(self, prefix):
        d = self.description()
        return d is not None and d.startswith(prefix)

    def take(self, what, fields, texts, columns=(_DESCRIPTION,)):
        """Reads the next record: `what` names it in messages, `fields` is its layout, `texts`
        a description or compiled pattern (or a tuple of them) it must match. Returns the
        values and the match (a re.Match, or the text matched)."""
        if self.at_end():
            self.fail(f"the file ends where {what} is due"
                      + (" (the run may have ended with an error)" if self.i else ""))
        line = self.lines[self.i]
        k = line.find("Line ")
        if k < 0:
            self.fail(f"{what} is due but the line has no record description: {line.strip()!r}")
        description = line[k:]
        match = _match(description, texts)
        if match is None:
            self.fail(f"{what} is due but the line reads {description!r}")
        if k not in columns:
            self.fail(f"the description of {what} starts in column {k + 1}, not in column "
                      f"{columns[0] + 1}")
        values, pos = [], 0
        try:
            for f in fields:
                piece = line[pos:pos + f.width]
                if f.kind == "I":
                    values.append(_integer(piece))
                elif f.kind == "E":
                    values.append(_number(piece))
                elif piece.strip():
                    raise ValueError(f"'{piece}' stands where blanks are due")
                pos += f.width
        except ValueError as e:
            self.fail(f"{what}: {e}")
        if pos > k or line[pos:k].strip():
            self.fail(f"{what}: unexpected text {line[pos:k].strip()!r} before the description")
        self.i += 1
        return values, match

    def take_block(self, count, width, descriptions, tails, what, columns=(_DESCRIPTION,)):
        """Reads `count` records of `width` E15.7 fields whose descriptions (from column 105,
        or the first of `columns`) are the given texts: the node, curve-point and
        moment-curvature groups, read at once. `tails` is the text of the records after their
        fields, joined by line breaks."""
        block = self.lines[self.i:self.i + count]
        end = width * 15
        if len(block) == count and "\n".join([line[end:] for line in block]) == tails:
            values = _e15_fields("".join([line[:end] for line in block]))
            if values is not None:
                self.i += count
                return values.reshape(count, width)
        # A field of another form (not finite, an exponent of three digits) or something
        # wrong in the group: read it record by record, which also says where.
        rows = []
        for j in range(count):
            rows.append(self.take(what(j), [E15] * width, descriptions[j], columns)[0])
        return np.array(rows, dtype=float).reshape(count, width)


_POWERS = np.array([10.0 ** k for k in range(23)])   # exact doubles
_FIXED_COLUMNS = [0, 2, 3, 11]                          # " 0." and "E" of " 0.dddddddE+xx"
_FIXED_BYTES = np.frombuffer(b" 0.E", dtype=np.uint8)
_DIGIT_COLUMNS = [4, 5, 6, 7, 8, 9, 10, 13, 14]
_PLACES = 10 ** np.arange(6, -1, -1, dtype=np.int64)


_E15_FORM = re.compile(r"(?: [ -]0\.[0-9]{7}E[+-][0-9][0-9])*")
_SMALL_BLOCK = 200   # fields; below it float() on each is quicker than the arrays' set-up


def _e15_fields(text):
    """The values of consecutive E15.7 fields of the form " 0.dddddddE+xx" (sign in the
    second column), or None when any field has another form. A large block is read as arrays:
    each value is the digits as a whole number times or divided by an exact power of ten, one
    rounding, so the value is the double nearest to the decimal text, as float() reads it."""
    if len(text) % 15:
        return None
    if len(text) <= 15 * _SMALL_BLOCK:
        if not _E15_FORM.fullmatch(text):
            return None
        return np.array([float(text[k:k + 15]) for k in range(0, len(text), 15)])
    try:
        raw = text.encode("ascii")
    except UnicodeEncodeError:
        return None
    a = np.frombuffer(raw, dtype=np.uint8).reshape(-1, 15)
    d = a[:, _DIGIT_COLUMNS] - np.uint8(48)    # a byte below '0' wraps above 9
    negative = a[:, 1] == 45
    exponent_negative = a[:, 12] == 45
    if not ((a[:, _FIXED_COLUMNS] == _FIXED_BYTES).all() and (d <= 9).all()
            and (negative | (a[:, 1] == 32)).all()
            and (exponent_negative | (a[:, 12] == 43)).all()):
        return None
    d = d.astype(np.int64)
    mantissa = (d[:, :7] @ _PLACES).astype(float)
    exponent = d[:, 7] * 10 + d[:, 8]
    shift = np.where(exponent_negative, -exponent, exponent) - 7
    if (np.abs(shift) > 22).any():
        return None
    power = _POWERS[np.abs(shift)]
    values = np.where(shift < 0, mantissa / power, mantissa * power)
    return np.where(negative, -values, values)


def _match(description, texts):
    if not isinstance(texts, tuple):
        texts = (texts,)
    for t in texts:
        if isinstance(t, str):
            if description == t:
                return t
        else:
            m = t.fullmatch(description)
            if m:
                return m
    return None


# Descriptions, US customary first and SI (also general units) second where they differ.
_LINE1 = "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F"
_LINE2 = "Line 2 : Total number of sections"
_LINE3 = {
    "Line 3 : Total number of axial thrusts": ("nonlinear", _AFTER_75X),
    "Line 3 : Total number of axial thrusts for EI-only computations": ("nonlinear", _DESCRIPTION),
    "Line 3 : Total number of axial thrusts for LRFD": ("nonlinear", _DESCRIPTION),
    "Line 3 : Total number of axial thrusts for input M-EI section": ("input M-EI", _AFTER_75X),
    "Line 3a : Total number of axial thrusts for elastic-plastic section":
        ("elastic-plastic", _DESCRIPTION),
    "Line 3d : Total number of axial thrusts for elastic section": ("elastic", _DESCRIPTION),
}
_LINE4 = {  # kind: (US text, SI text, ends with the section number, column)
    "nonlinear": ("Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                  "(in-kips), Section ",
                  "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                  "(kN-m), Section ", True, _DESCRIPTION),
    "input M-EI": ("Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                   "(in-kips) for input M-EI pile, Section ",
                   "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                   "(kN-m) for input M-EI pile, Section ", True, _AFTER_75X),
    "elastic-plastic": ("Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                        "Cap. (in-kip) for elastic-plastic EI at top of section",
                        "Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment "
                        "Cap. (kN-m) for elastic-plastic EI at top of section", False,
                        _DESCRIPTION),
    "elastic": ("Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                "Cap. (in-kips) for linear EI pile at top of section",
                "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment "
                "Cap. (kN-m) for linear EI pile at top of section", False, _DESCRIPTION),
}
_LINE5 = {  # kind: (US text, SI text, column); the text goes on with Sect#, AxLd#, CurvPnt#
    "nonlinear": ("Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=",
                  "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=",
                  _DESCRIPTION),
    "input M-EI": ("Line 5 : Moment, EI, Curvature for Sect#=",
                   "Line 5 : Moment, EI, Curvature for Sect#=", _AFTER_75X),
    "elastic-plastic": ("Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) "
                        "for Sect#=",
                        "Line 5a : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) "
                        "for Sect#=", _DESCRIPTION),
    "elastic": ("Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for "
                "Sect#=",
                "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=",
                _DESCRIPTION),
}
_LINE6 = "Line 6 : number of output p-y curves"
_LINE7 = re.compile(r"Line 7:  p-y curve depth in (?P<words>.+?)"
                    r"(?:, no\. p-y points on curve no\. |, no\. points on p-y curve no\. )"
                    r"(?P<curve>\d+)")
_LINE7_ABOVE_GROUND = "Line 7:  p-y curve depth, no. p-y points"
_LINE8 = re.compile(r"Line 8\( *(?P<point>\d+)\): y, p, for (?P<words>.+)")
_LINE9 = "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI"
_LINE10 = (") : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)",
           ") : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)")
_LINE11_LENGTH = "Line 11: Num. points on Ytop vs. pile length curve for load case "
_LINE11 = re.compile(
    r"Line 11: Num\. points on Ytop vs\. (?P<kind>pile length|Length) curve for "
    r"(?P<lrfd>LRFD )?load case (?P<case>\d+)")
_LINE12 = ("Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)",
           "Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)")
_LINE13 = ("Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)",
           "Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)")
_LINE14 = "Line 14: Number of stiffness matrix K-values computed"
_LINE15 = "Line 15: V, M, K22, K23, K32, K33, ytop, theta"
_LINE16 = ("Line 16: # free-head pushover steps computed, # fixed-head pushover steps computed, "
           "pushover BC type")
_LINE16_NONE = "Line 16: Number pushover steps computed, pushover BC type"
_LINE17_PUSHOVER = "Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax"
_LINE17_BUCKLING = ("Line 17: Num. Buckling points, Buckling capacity (lbs), a slope, b intercept",
                    "Line 17: Num. Buckling points, Buckling capacity (kN), a slope, b intercept")
_LINE18 = ("Line 18: axial thrust (lbs), Ytop (in), Max Moment(in-lb), Max Shear(lbs)",
           "Line 18: axial thrust (kN), Ytop (m), Max Moment(kN-m), Max Shear(kN)")
_LINE18_NONE = "Line 18: Number of buckling points computed, Vtop, Mtop"


@lru_cache(maxsize=8)
def _node_descriptions(nodes, si):
    """The descriptions of a load case's node records, and the records' text after their six
    fields, joined by line breaks."""
    descriptions = [f"Line 10({i:3d}{_LINE10[si]}" for i in range(1, nodes + 1)]
    blanks = " " * (_DESCRIPTION - 6 * 15)
    return descriptions, "\n".join(blanks + d for d in descriptions)


def read_plot(path):
    """Reads a plot-output file into a Result; ValueError names the line of any fault."""
    path = Path(path)
    with open(path, encoding="latin-1") as f:
        text = f.read()
    result = parse_plot(text, path)
    result.plot = path
    return result


def parse_plot(text, name="<text>"):
    """Parses the text of a plot-output file (see read_plot)."""
    return _Parser(_Lines(name, text)).parse()


class _Parser:
    def __init__(self, lines):
        self.r = lines

    def parse(self):
        r = self.r
        (analysis_type, unit_code, _, kmatrix), _ = r.take("the Line 1 record", [I5] * 4,
                                                          _LINE1)
        if analysis_type not in (2, 3):
            r.fail(f"analysis type {analysis_type} is neither 2 (bending properties only) "
                   "nor 3 (full analysis)", r.i - 1)
        try:
            self.u = units_of(unit_code)
        except ValueError as e:
            r.fail(str(e), r.i - 1)
        self.us = 0 if unit_code == US_CUSTOMARY else 1
        (section_count,), _ = r.take("the Line 2 record", [I5], _LINE2)
        sections, mc = self.sections(section_count)

        py_depths, py_points, cases, summary, sweep = [], [], [], None, []
        stiffness, pushover, fixity = None, [], 0
        buckling, capacity, line = None, None, None
        if analysis_type == 3:
            if r.next_is("Line 6"):
                py_depths, py_points = self.py_curves()
                cases, sweep = self.load_cases()
                summary = self.summary(cases)
            if r.next_is("Line 14"):
                stiffness = self.stiffness()
            pushover, fixity = self.pushover()
            buckling, capacity, line = self.buckling()
        if not r.at_end():
            r.fail(f"a record after the end of the run's records: {r.lines[r.i].strip()!r}")

        u = self.u
        tables = {
            "sections": Table(["section", "thrust_index", "kind", "points",
                               f"thrust_{u.section_force}",
                               f"moment_capacity_{u.section_moment}"], sections),
            "moment_curvature": Table(["section", "thrust_index", "point", "kind",
                                       f"moment_{u.section_moment}",
                                       f"EI_{u.section_stiffness}", f"curvature_{u.curvature}"],
                                      mc),
            "py_curves": Table(["curve", "point", f"y_{u.length}",
                                f"p_{u.force_per_length}"], py_points),
            "py_curve_depths": Table(["curve", f"depth_{u.length}", "points", "criterion"],
                                     py_depths),
            "summary": Table(self._summary_columns(), summary or []),
            "length_sweep": Table(["load_case", f"pile_length_{u.length}",
                                   f"head_deflection_{u.length}", f"max_moment_{u.moment}",
                                   f"max_shear_{u.force}"], sweep),
            "stiffness": stiffness,
            "pushover": Table(["step", "head_condition", f"head_deflection_{u.length}",
                               f"head_shear_{u.force}", f"max_moment_{u.moment}",
                               f"max_shear_{u.force}", f"max_moment_depth_{u.length}",
                               f"max_shear_depth_{u.length}"], pushover),
            "buckling": buckling,
        }
        return Result(analysis_type, u, bool(kmatrix), section_count, tables,
                      (self._node_columns(), cases), fixity, capacity, line)

    # Lines 3 to 5: the moment-curvature table of every section and axial thrust.
    def sections(self, section_count):
        r, u = self.r, self.u
        rows, points = [], []
        if not r.next_is("Line 3"):
            return rows, points
        (thrusts,), text = r.take("the Line 3 record", [I5], tuple(_LINE3),
                                  columns=(_DESCRIPTION, _AFTER_75X))
        if r.lines[r.i - 1].find("Line ") != _LINE3[text][1]:
            r.fail("the Line 3 description stands in the wrong column", r.i - 1)
        kinds = []
        for kind, (us_text, si_text, numbered, _) in _LINE4.items():
            t = (us_text, si_text)[self.us]
            kinds.append((kind, re.compile(re.escape(t) + r"(?P<section>\d+)") if numbered else t))
        for s in range(1, section_count + 1):
            for t in range(1, thrusts + 1):
                what = f"the Line 4 record of section {s}, axial thrust {t}"
                values, m = r.take(what, [I5, X10, E15, E15], tuple(k[1] for k in kinds),
                                   columns=(_DESCRIPTION, _AFTER_75X))
                description = m if isinstance(m, str) else m.group(0)
                kind = next(k for k, p in kinds if _match(description, p) is not None)
                if r.lines[r.i - 1].find("Line ") != _LINE4[kind][3]:
                    r.fail(f"the description of {what} stands in the wrong column", r.i - 1)
                if not isinstance(m, str) and int(m.group("section")) != s:
                    r.fail(f"{what} names section {m.group('section')}", r.i - 1)
                n, thrust, capacity = values
                rows.append((s, t, kind, n, thrust, capacity))
                prefix = (_LINE5[kind][0], _LINE5[kind][1])[self.us]
                column = _LINE5[kind][2]
                descriptions = [f"{prefix}{s}, AxLd#={t}, CurvPnt#={p}" for p in range(1, n + 1)]
                blanks = " " * (column - 3 * 15)
                table = r.take_block(
                    n, 3, descriptions, "\n".join(blanks + d for d in descriptions),
                    lambda j, s=s, t=t: f"Line 5 record {j + 1} of section {s}, axial thrust {t}",
                    columns=(column,)) if n > 0 else []
                points += [(s, t, p, kind, float(moment), float(ei), float(curvature))
                           for p, (moment, ei, curvature) in enumerate(table, start=1)]
        return rows, points

    # Lines 6 to 8: the p-y curves printed at the output depths.
    def py_curves(self):
        r = self.r
        (count,), _ = r.take("the Line 6 record", [I5], _LINE6,
                             columns=(_AFTER_75X, _DESCRIPTION))
        depths, points = [], []
        for c in range(1, count + 1):
            values, m = r.take(f"the Line 7 record of p-y curve {c}", [E15, I5],
                               (_LINE7, _LINE7_ABOVE_GROUND))
            depth, n = values
            if isinstance(m, str):
                if n != 0:
                    r.fail(f"the p-y curve {c} above the ground surface announces {n} points",
                           r.i - 1)
                depths.append((c, depth, 0, "above the ground surface"))
                continue
            if int(m.group("curve")) != c:
                r.fail(f"p-y curve {c} is due but the record names curve {m.group('curve')}",
                       r.i - 1)
            if n < 0:
                r.fail(f"p-y curve {c} announces {n} points", r.i - 1)
            depths.append((c, depth, n, m.group("words")))
            if n == 0:
                continue
            (y, pv), m8 = r.take(f"Line 8 record 1 of p-y curve {c}", [E15, E15], _LINE8)
            if int(m8.group("point")) != 1:
                r.fail(f"point 1 of p-y curve {c} is due but the record names point "
                       f"{m8.group('point')}", r.i - 1)
            points.append((c, 1, y, pv))
            # The other points carry the first one's words, their numbers in the same width.
            words = m8.group("words")
            width = 2 if m8.group(0).startswith("Line 8( ") else 0
            descriptions = [f"Line 8({p:{width}d}): y, p, for {words}" for p in range(2, n + 1)]
            blanks = " " * (_DESCRIPTION - 2 * 15)
            rest = r.take_block(n - 1, 2, descriptions, "\n".join(blanks + d for d in descriptions),
                                lambda j, c=c: f"Line 8 record {j + 2} of p-y curve {c}")
            points += [(c, p, float(y), float(pv)) for p, (y, pv) in enumerate(rest, start=2)]
        return depths, points

    # Lines 9 to 12: the nodes of every load case and the pile-length sweeps.
    def load_cases(self):
        r, u = self.r, self.u
        (count, nodes, unit_code), _ = r.take("the Line 9 record", [I5] * 3, _LINE9)
        if unit_code != u.code:
            r.fail(f"Line 9 gives unit code {unit_code}, Line 1 gave {u.code}", r.i - 1)
        if count < 0 or nodes < 1:
            r.fail(f"Line 9 announces {count} load cases of {nodes} nodes", r.i - 1)
        descriptions, tails = _node_descriptions(nodes, self.us)
        cases, sweep = [], []
        for j in range(1, count + 1):
            values = r.take_block(
                nodes, 6, descriptions, tails,
                lambda i, j=j: f"the Line 10 record of node {i + 1} of load case {j}")
            cases.append(values)
            (points,), m = r.take(f"the Line 11 record of load case {j}", [I5], _LINE11)
            if int(m.group("case")) != j:
                r.fail(f"the Line 11 record of load case {j} names load case "
                       f"{m.group('case')}", r.i - 1)
            if points < 0 or (points > 0 and m.group("kind") != "pile length"):
                r.fail(f"Line 11 announces {points} pile-length points", r.i - 1)
            for k in range(1, points + 1):
                row, _ = r.take(f"Line 12 record {k} of load case {j}", [E15] * 4,
                                _LINE12[self.us])
                sweep.append((j, *row))
        return cases, sweep

    def _node_columns(self):
        u = self.u
        return [f"depth_{u.length}", f"deflection_{u.length}", f"moment_{u.moment}",
                f"shear_{u.force}", f"soil_reaction_{u.force_per_length}", f"EI_{u.stiffness}"]

    def _summary_columns(self):
        u = self.u
        return ["load_case", f"head_shear_{u.force}", f"head_deflection_{u.length}",
                "head_rotation_rad", f"head_moment_{u.moment}", f"max_moment_{u.moment}",
                f"max_moment_depth_{u.length}", f"max_shear_{u.force}",
                f"max_shear_depth_{u.length}"]

    # Line 13, one per load case; the depths of the largest moment and shear come from the
    # node records (the first node of largest magnitude, as the report finds it).
    def summary(self, cases):
        r = self.r
        rows = []
        for j, values in enumerate(cases, start=1):
            (vtop, ytop, mmax, vmax, rotation), _ = r.take(
                f"the Line 13 record of load case {j}", [E15] * 5, _LINE13[self.us])
            x, m, v = values[:, 0], values[:, 2], values[:, 3]
            im = int(np.argmax(np.abs(m)))
            iv = int(np.argmax(np.abs(v)))
            rows.append((j, vtop, ytop, rotation, float(m[0]), mmax, float(x[im]), vmax,
                         float(x[iv])))
        return rows

    # Lines 14 and 15: the pile-head stiffness points.
    def stiffness(self):
        r, u = self.r, self.u
        (count,), _ = r.take("the Line 14 record", [I5], _LINE14)
        rows = []
        for k in range(1, count + 1):
            values, _ = r.take(f"Line 15 record {k}", [E15] * 8, _LINE15, columns=(_LINE15_COLUMN,))
            rows.append(values)
        return Table([
            f"head_shear_{u.force}", f"head_moment_{u.moment}",
            f"K22_{u.force}_per_{u.length}", f"K23_{u.force}_per_rad",
            f"K32_{u.moment}_per_{u.length}", f"K33_{u.moment}_per_rad",
            f"head_deflection_{u.length}", "head_rotation_rad"], rows)

    # Lines 16 and 17: the pushover steps.
    def pushover(self):
        r = self.r
        (free, fixed, fixity), text = r.take("the Line 16 record", [I5] * 3,
                                             (_LINE16, _LINE16_NONE))
        if text == _LINE16_NONE and (free or fixed or fixity):
            r.fail("the Line 16 record of a run without pushover holds non-zero counts",
                   r.i - 1)
        if free < 0 or fixed < 0:
            r.fail(f"Line 16 announces {free} free-head and {fixed} fixed-head steps", r.i - 1)
        rows = []
        for k in range(1, free + fixed + 1):
            (step, condition, *values), _ = r.take(f"Line 17 pushover record {k}",
                                                   [I5, I5] + [E15] * 6, _LINE17_PUSHOVER)
            rows.append((step, condition, *values))
        return rows, fixity

    # Lines 17 and 18 of the buckling analysis, or the record that stands for its absence.
    def buckling(self):
        r, u = self.r, self.u
        if r.next_is("Line 18"):
            values, _ = r.take("the Line 18 record", [I5, E15, E15], _LINE18_NONE)
            if any(values):
                r.fail("the Line 18 record of a run without buckling holds non-zero values",
                       r.i - 1)
            return None, None, None
        columns = [f"axial_thrust_{u.force}", f"head_deflection_{u.length}",
                   f"max_moment_{u.moment}", f"max_shear_{u.force}"]
        if r.next_is("Line 11"):    # a buckling analysis without a successful trial
            (n,), m = r.take("the record of a buckling analysis without results", [I5],
                             _LINE11_LENGTH + "0")
            if n != 0:
                r.fail("the record of a buckling analysis without results holds a count",
                       r.i - 1)
            return Table(columns), None, None
        (count, capacity, a, b), _ = r.take("the Line 17 buckling record or the Line 18 record",
                                            [I5, E15, E15, E15], _LINE17_BUCKLING[self.us])
        rows = []
        for k in range(1, count + 1):
            values, _ = r.take(f"Line 18 record {k}", [E15] * 4, _LINE18[self.us])
            rows.append(values)
        return Table(columns, rows), capacity, (a, b)
