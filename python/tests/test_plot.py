"""Graphs, checked on the data of the figure, and the command line."""

import subprocess
import xml.etree.ElementTree as ET

import numpy as np
import pytest

import torva
from conftest import EXAMPLES, PYTHON, child_env


@pytest.fixture(scope="module")
def soft_clay(lib, tmp_path_factory):
    return torva.run(EXAMPLES / "soft_clay_pile.tp7", workdir=tmp_path_factory.mktemp("run"))


def test_profiles_draw_each_load_case_against_depth_downwards(soft_clay):
    fig = torva.plot.profiles(soft_clay)
    axes = fig.axes
    assert len(axes) == 4
    columns = ["deflection_in", "moment_in_lb", "shear_lb", "soil_reaction_lb_per_in"]
    for ax, column in zip(axes, columns):
        lines = ax.get_lines()
        assert len(lines) == soft_clay.load_case_count == 4
        assert [l.get_label() for l in lines] == [f"load case {j}" for j in (1, 2, 3, 4)]
        for line, frame in zip(lines, soft_clay.cases):
            assert np.array_equal(line.get_xdata(), frame[column].to_numpy())
            assert np.array_equal(line.get_ydata(), frame["depth_in"].to_numpy())
        top, bottom = ax.get_ylim()
        assert top > bottom           # depth increases downwards
        assert "(in)" in ax.get_ylabel()
    assert axes[1].get_xlabel() == "moment (in-lb)"
    assert axes[3].get_xlabel() == "soil reaction (lb/in)"


def test_py_curve_graph_has_one_line_per_printed_curve(soft_clay):
    (ax,) = torva.plot.py_curves(soft_clay).axes
    lines = ax.get_lines()
    assert len(lines) == 2
    first = soft_clay.py_curves[soft_clay.py_curves["curve"] == 1]
    assert np.array_equal(lines[0].get_xdata(), first["y_in"].to_numpy())
    assert "60 in" in lines[0].get_label()
    # The elastic pipe's table: one curve of moment and one of EI against curvature.
    moment, stiffness = torva.plot.moment_curvature(soft_clay).axes
    assert [len(moment.get_lines()), len(stiffness.get_lines())] == [1, 1]
    table = soft_clay.moment_curvature
    assert np.array_equal(moment.get_lines()[0].get_xdata(),
                          table["curvature_rad_per_in"].to_numpy())


def test_command_line_run_writes_svg_graphs_and_plot_redraws(lib, tmp_path):
    env = child_env(lib)
    # An output folder relative to the current folder.
    done = subprocess.run([PYTHON, "-m", "torva", "run", str(EXAMPLES / "soft_clay_pile.tp7"),
                           "--out", "out", "--plot", "svg"],
                          capture_output=True, text=True, env=env, cwd=tmp_path)
    assert done.returncode == 0, done.stderr
    tmp_path = tmp_path / "out"
    svg = tmp_path / "soft_clay_pile-profiles.svg"
    assert ET.parse(svg).getroot().tag.endswith("svg")
    assert ET.parse(tmp_path / "soft_clay_pile-py-curves.svg").getroot().tag.endswith("svg")
    out = tmp_path / "again.svg"
    done = subprocess.run([PYTHON, "-m", "torva", "plot", str(tmp_path / "soft_clay_pile-plot.txt"),
                           "-o", str(out)], capture_output=True, text=True, env=env)
    assert done.returncode == 0, done.stderr
    assert ET.parse(out).getroot().tag.endswith("svg")

    bad = tmp_path / "bad.tp7"
    bad.write_text("TORVAP7\nXX\n")
    done = subprocess.run([PYTHON, "-m", "torva", "run", str(bad), "--out", str(tmp_path)],
                          capture_output=True, text=True, env=env)
    assert done.returncode == 1
    assert "input error 99" in done.stderr


def test_graphs_of_the_optional_analyses():
    from test_plotfile import optional_analyses_file
    r = torva.parse_plot(optional_analyses_file())
    figures = torva.plot.all_figures(r)
    assert sorted(figures) == ["buckling", "length-sweep", "profiles", "pushover", "stiffness"]
    free, fixed = figures["pushover"].axes[0].get_lines()
    assert free.get_label() == "free head" and list(free.get_xdata()) == [0.1, 0.2]
    assert list(fixed.get_ydata()) == [1500.0]
    (sweep,) = figures["length-sweep"].axes[0].get_lines()
    assert list(sweep.get_xdata()) == [600.0, 720.0] and sweep.get_label() == "load case 1"
    assert figures["length-sweep"].axes[0].get_xlabel() == "pile length (in)"
    k22 = figures["stiffness"].axes[0]
    assert k22.get_ylabel() == "K22 (lb/in)" and list(k22.get_lines()[0].get_xdata()) == [0.01, 0.02]
    assert figures["buckling"].axes[0].get_xlabel() == "axial thrust (lb)"


def test_moment_curvature_graph_keeps_each_unit_on_its_own_axes():
    from test_plotfile import sections_file
    fig = torva.plot.moment_curvature(torva.parse_plot(sections_file()))
    kip_moment, kip_ei, lb_moment, lb_ei = fig.axes
    assert kip_moment.get_ylabel() == "moment (in-kip)" and lb_ei.get_ylabel() == "EI (lb-in2)"
    assert [l.get_label() for l in kip_moment.get_lines()] == ["section 1, thrust 1",
                                                              "section 1, thrust 2"]
    assert [l.get_label() for l in lb_moment.get_lines()] == ["section 2, thrust 1",
                                                             "section 2, thrust 2"]
    assert list(lb_moment.get_lines()[0].get_ydata()) == [2000.0, 4000.0, 6000.0]
    assert kip_moment.get_xlabel() == "curvature (rad/in)"
