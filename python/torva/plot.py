"""Graphs of a Result with matplotlib. Every function returns a matplotlib Figure (made without
pyplot, so it works in scripts, notebooks and worker processes alike); save it with
``fig.savefig("name.svg")``.
"""


def _figure(columns, width=4.0, height=6.0):
    from matplotlib.figure import Figure
    fig = Figure(figsize=(width * columns, height), layout="constrained")
    return fig, fig.subplots(1, columns, squeeze=False)[0]


_PREFIXES = ("soil_reaction", "head_deflection", "head_shear", "max_moment", "pile_length",
             "axial_thrust", "deflection", "moment", "shear", "depth", "curvature", "EI",
             "y", "p")


def _label(quantity, column):
    """Axis text from a unit-bearing column name: ("moment", "moment_in_lb") -> "moment (in-lb)"."""
    prefix = next(p for p in _PREFIXES if column.startswith(p + "_"))
    unit = column[len(prefix) + 1:]
    return f"{quantity} ({unit.replace('_per_', '/').replace('_', '-')})"


def _need(frame, what):
    if frame is None or len(frame) == 0:
        raise ValueError(f"the result holds no {what}")


def profiles(result):
    """Deflection, bending moment, shear force and soil reaction against depth, one line per
    load case, depth increasing downwards."""
    if not result.cases:
        raise ValueError("the result holds no load case")
    first = result.cases[0]
    depth = first.columns[1]
    fig, axes = _figure(4)
    for ax, column, quantity in zip(axes, first.columns[2:6],
                                    ("deflection", "moment", "shear", "soil reaction")):
        for j, frame in enumerate(result.cases, start=1):
            ax.plot(frame[column], frame[depth], label=f"load case {j}")
        ax.set_xlabel(_label(quantity, column))
        ax.set_ylabel(_label("depth", depth))
        ax.invert_yaxis()
        ax.grid(True, linewidth=0.3)
    axes[0].legend(loc="lower right", fontsize="small")
    fig.suptitle("Pile response")
    return fig


def _one_axis(title, x_label, y_label, series):
    """A graph of one axes; series: (x, y, label or None) of each line."""
    fig, (ax,) = _figure(1, 6.0, 4.5)
    labelled = False
    for x, y, label in series:
        ax.plot(x, y, marker=".", label=label)
        labelled = labelled or label is not None
    ax.set_xlabel(x_label)
    ax.set_ylabel(y_label)
    ax.grid(True, linewidth=0.3)
    if labelled:
        ax.legend(fontsize="small")
    ax.set_title(title)
    return fig


def py_curves(result):
    """The p-y curves printed at the output depths, one line per curve."""
    _need(result.py_curves, "printed p-y curve")
    frame, depths = result.py_curves, result.py_curve_depths.set_index("curve")
    y, p = frame.columns[2], frame.columns[3]
    depth = depths.columns[0]
    return _one_axis("p-y curves", _label("y", y), _label("p", p), (
        (rows[y], rows[p], f"{depths.at[c, 'criterion']} at {depths.at[c, depth]:g} "
                           f"{result.units.length}")
        for c, rows in frame.groupby("curve")))


def moment_curvature(result):
    """Moment and bending stiffness against curvature, one line per section and thrust. The
    tables kept in other units (elastic-plastic sections of US customary runs, in pounds) get
    a row of graphs of their own."""
    _need(result.moment_curvature, "moment-curvature table")
    frame = result.moment_curvature
    curvature = frame.columns[6]
    families = [(m, ei) for m, ei in ((frame.columns[4], frame.columns[5]),
                                      ("moment_in_lb", "EI_lb_in2"))
                if m in frame and frame[m].notna().any()]
    from matplotlib.figure import Figure
    fig = Figure(figsize=(11.0, 4.5 * len(families)), layout="constrained")
    grid = fig.subplots(len(families), 2, squeeze=False)
    for (moment, ei), axes in zip(families, grid):
        rows_with_data = frame[frame[moment].notna()]
        for column, ax, quantity in ((moment, axes[0], "moment"), (ei, axes[1], "EI")):
            for (s, t), rows in rows_with_data.groupby(["section", "thrust_index"]):
                ax.plot(rows[curvature], rows[column], label=f"section {s}, thrust {t}")
            ax.set_xlabel(_label("curvature", curvature))
            ax.set_ylabel(_label(quantity, column))
            ax.grid(True, linewidth=0.3)
        axes[0].legend(fontsize="small")
    fig.suptitle("Moment-curvature")
    return fig


def stiffness(result):
    """Pile-head stiffness components against pile-head deflection."""
    _need(result.stiffness, "pile-head stiffness point")
    frame = result.stiffness
    y = frame.columns[6]
    fig, axes = _figure(4, 3.5, 3.5)
    for ax, column in zip(axes, frame.columns[2:6]):
        ax.plot(frame[y], frame[column], marker=".")
        ax.set_xlabel(_label("head deflection", y))
        name, unit = column.split("_", 1)
        ax.set_ylabel(f"{name} ({unit.replace('_per_', '/').replace('_', '-')})")
        ax.grid(True, linewidth=0.3)
    fig.suptitle("Pile-head stiffness")
    return fig


def pushover(result):
    """Pile-head shear and largest moment against the pushover deflection, free and fixed
    head apart."""
    _need(result.pushover, "pushover step")
    frame = result.pushover
    y, v, m = frame.columns[2], frame.columns[3], frame.columns[4]
    fig, axes = _figure(2, 5.0, 4.0)
    for condition, rows in frame.groupby("head_condition"):
        name = "free head" if condition == 4 else "fixed head"
        axes[0].plot(rows[y], rows[v], marker=".", label=name)
        axes[1].plot(rows[y], rows[m], marker=".", label=name)
    axes[0].set_ylabel(_label("head shear", v))
    axes[1].set_ylabel(_label("largest moment", m))
    for ax in axes:
        ax.set_xlabel(_label("head deflection", y))
        ax.grid(True, linewidth=0.3)
        ax.legend(fontsize="small")
    fig.suptitle("Pushover")
    return fig


def length_sweep(result):
    """Pile-head deflection against pile length, one line per load case with a sweep."""
    _need(result.length_sweep, "pile-length sweep")
    frame = result.length_sweep
    length, y = frame.columns[1], frame.columns[2]
    return _one_axis("Pile-head deflection against pile length",
                     _label("pile length", length), _label("head deflection", y),
                     ((rows[length], rows[y], f"load case {j}")
                      for j, rows in frame.groupby("load_case")))


def buckling(result):
    """Pile-head deflection against axial thrust of the buckling analysis."""
    _need(result.buckling, "buckling point")
    frame = result.buckling
    thrust, y = frame.columns[0], frame.columns[1]
    return _one_axis("Buckling", _label("axial thrust", thrust), _label("head deflection", y),
                     [(frame[thrust], frame[y], None)])


def all_figures(result):
    """Every graph the result has data for, by name."""
    figures = {}
    if result.cases:
        figures["profiles"] = profiles(result)
    for name, frame in (("py-curves", result.py_curves),
                        ("moment-curvature", result.moment_curvature),
                        ("stiffness", result.stiffness), ("pushover", result.pushover),
                        ("length-sweep", result.length_sweep), ("buckling", result.buckling)):
        if frame is not None and len(frame):
            figures[name] = globals()[name.replace("-", "_")](result)
    return figures
