"""Runs of the engine through the package: errors, warnings, the working folder, threads and the
isolated child process."""

import os
import threading

import pytest

import torva
from conftest import EXAMPLES


def _edit(text, old, new):
    assert old in text
    return text.replace(old, new, 1)


@pytest.mark.parametrize("text, number", [
    ("TORVAP7\nXX\n", 99),                  # an unrecognised line
    ("NOTMARK\nTITLE\nx\nEND\n", 73),        # no TORVAP7 marker
])
def test_input_errors_raise_input_error_with_number_and_text(lib, tmp_path, text, number):
    with pytest.raises(torva.InputError) as caught:
        torva.run(text, workdir=tmp_path)
    e = caught.value
    assert e.number == number and e.code == 100 + number
    assert f"The analysis ended due to input error No. {number}." in e.text
    assert e.files["report"].exists()


def test_runtime_error_raises_analysis_error_with_the_error_block(lib, tmp_path, soft_clay_text):
    text = _edit(soft_clay_text, "DeflectionLimit 10.0", "DeflectionLimit 0.01")
    with pytest.raises(torva.AnalysisError) as caught:
        torva.run(text, workdir=tmp_path)
    e = caught.value
    assert not isinstance(e, torva.InputError)
    assert (e.number, e.code) == (9, 209)
    assert e.text.startswith("**** Runtime Error No. 9 ****")
    assert "excess deflection limit" in e.text
    assert e.text.endswith("The analysis ended due to runtime error No. 9.")


def test_warnings_are_kept_on_the_result(lib, tmp_path, soft_clay_text):
    # A soft clay strength above 1,250 psf is warning 3041.
    text = _edit(soft_clay_text, "50.0 1000.0 0.01", "50.0 1500.0 0.01")
    r = torva.run(text, workdir=tmp_path)
    assert r.code == -3041
    (w,) = r.warnings
    assert w.number == 3041 and w.count > 0
    assert "greater than 8.68" in w.text and w.text.startswith("**** Warning ****")
    assert torva.run(soft_clay_text, workdir=tmp_path / "plain").warnings == []


def test_run_keeps_its_files_in_the_working_folder_and_restores_the_folder(lib, tmp_path,
                                                                           soft_clay_text):
    here = tmp_path / "here"
    here.mkdir()
    before = os.getcwd()
    os.chdir(here)
    try:
        r = torva.run(soft_clay_text, workdir=tmp_path / "run", name="pile")
        assert os.getcwd() == str(here)
        assert list(here.iterdir()) == []
    finally:
        os.chdir(before)
    names = sorted(p.name for p in (tmp_path / "run").iterdir())
    # The engine reads and deletes the list of moment-curvature file names.
    assert names == ["NAMES.DAT", "pile-messages.txt", "pile-plot.txt", "pile-report.txt",
                     "pile.tp7"]
    assert r.plot == tmp_path / "run" / "pile-plot.txt"
    assert r.report.read_text().count("Output Summary for Load Case No.") == 4


def test_two_threads_get_their_own_results(lib, tmp_path, soft_clay_text):
    texts = {"long": soft_clay_text,
             "short": _edit(_edit(soft_clay_text, "\n60.0\n", "\n40.0\n"),
                            "1 1 20000.0", "1 1 35000.0")}
    alone = {k: torva.run(t, workdir=tmp_path / f"alone-{k}").summary for k, t in texts.items()}
    assert not alone["long"].equals(alone["short"])
    together, failures = {}, []

    def work(key):
        try:
            for n in range(3):
                together[key, n] = torva.run(texts[key], workdir=tmp_path / f"{key}-{n}").summary
        except Exception as e:      # reported below
            failures.append(e)

    threads = [threading.Thread(target=work, args=(k,)) for k in texts]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert failures == []
    for (key, n), summary in together.items():
        assert summary.equals(alone[key]), (key, n)


def test_isolated_run_gives_the_same_result_and_errors(lib, tmp_path, soft_clay_text):
    inside = torva.run(EXAMPLES / "soft_clay_pile.tp7", workdir=tmp_path / "in")
    child = torva.run(EXAMPLES / "soft_clay_pile.tp7", workdir=tmp_path / "child", isolate=True)
    assert child.summary.equals(inside.summary)
    with pytest.raises(torva.InputError) as caught:
        torva.run("TORVAP7\nXX\n", workdir=tmp_path / "bad", isolate=True)
    assert caught.value.number == 99


def test_a_crash_of_the_isolated_engine_is_reported(tmp_path):
    # A library whose LGO dies by a signal stands in for an engine fault.
    source = tmp_path / "crash.c"
    source.write_text("#include <signal.h>\nint LGO(int v) { (void)v; raise(SIGSEGV); "
                      "return 0; }\n")
    so = tmp_path / "libcrash.so"
    if os.system(f"cc -shared -fPIC -o {so} {source}") != 0:
        pytest.skip("no C compiler")
    with pytest.raises(torva.EngineCrash, match="killed by signal 11"):
        torva.run("TORVAP7\nEND\n", workdir=tmp_path / "run", lib=so, isolate=True)


def test_missing_library_and_input_are_clear(tmp_path):
    with pytest.raises(FileNotFoundError, match="nothere.so"):
        torva.run("TORVAP7\nEND\n", workdir=tmp_path, lib=tmp_path / "nothere.so")
    with pytest.raises(FileNotFoundError, match="missing.tp7"):
        torva.run(tmp_path / "missing.tp7")


def test_control_files_name_the_run_files_and_every_moment_curvature_file(tmp_path):
    from torva.engine import write_control_files
    (tmp_path / "pile.tp7").write_text("TORVAP7\nEND\n")
    files = write_control_files(tmp_path, tmp_path / "pile.tp7", "pile")
    names = (tmp_path / "NAMES.DAT").read_text().splitlines()
    assert names == [str(tmp_path / f) for f in ("pile.tp7", "pile-report.txt", "pile-plot.txt",
                                                 "pile-messages.txt")]
    assert files["plot"] == tmp_path / "pile-plot.txt"
    listed = (tmp_path / "M_vs_EI_report_names.txt").read_text().splitlines()
    assert len(listed) == 20 * 100      # every section and axial thrust
    assert listed[0] == str(tmp_path / "pile-mc-s01-t001.txt")
    assert listed[-1] == str(tmp_path / "pile-mc-s20-t100.txt")
