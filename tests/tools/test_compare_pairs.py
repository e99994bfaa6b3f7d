# SPDX-License-Identifier: MIT
# compare --pairs: each row's figures are those of a single compare call.
import os
import re
import subprocess

import pytest

TOOL = os.environ["VELTRISKO_TOOL"]
LIST = '''station,horizontal,vertical,id
"Berg, Nord",030EA10,020EA05,A1
Tal,130VA20,045EB05,A2
"Say ""hi""",066EA00,020EA05,A3
Berg Süd,030EA10,020EA05,A4
Hang,100TA05,205WA31,A5
'''
FIGURES = ("largest_difference_db,azimuth,elevation,v6_db,v7_db,mean_difference_db,"
           "above_1db_percent,above_3db_percent,above_6db_percent,error")


def run(*args, stdin=None):
    return subprocess.run([TOOL, "compare", *args], input=stdin, capture_output=True, text=True)


def single_compare(hcode, vcode, step):
    out = run("--horizontal", hcode, "--vertical", vcode, "--step", step).stdout
    return re.findall(r"-?\d+\.\d\d", out)


def test_rows_equal_single_compare_calls(tmp_path):
    pairs, output = tmp_path / "pairs.csv", tmp_path / "out.csv"
    pairs.write_text(LIST, encoding="utf-8")
    done = run("--pairs", str(pairs), "--step", "3", "--output", str(output))
    assert done.returncode == 1  # one row holds a rejected code
    assert done.stdout == ""
    assert re.search(r"compared 5 rows \(4 distinct code pairs\): .* not compared: 1\n$",
                     done.stderr)
    lines = output.read_text(encoding="utf-8").splitlines()
    assert lines[0] == "station,horizontal,vertical,id," + FIGURES
    assert len(lines) == 6
    for line, source in zip(lines[1:], LIST.splitlines()[1:]):
        assert line.startswith(source + ",")
        fields = line[len(source) + 1:].split(",")
        hcode, vcode = re.findall(r"\d\d\d[A-Z][A-Z]\d\d", source)
        if hcode == "066EA00":
            assert fields == [""] * 9 + ["invalid horizontal antenna code '066EA00'"]
        else:
            assert fields == single_compare(hcode, vcode, "3") + [""]


@pytest.mark.parametrize("content, message", [
    ("", "line 1: no header line"),
    ("horizontal,station\n030EA10,x\n", "line 1: the header names no 'vertical' column"),
    ("horizontal,vertical,Vertical\n", "line 1: the header names the 'vertical' column twice"),
    ("horizontal,vertical\n030EA10,020EA05\n\n030EA10\n", "line 4: 1 fields where the header has 2"),
    ('horizontal,vertical\n"030EA10,020EA05\n', "line 2: a quoted field is not closed"),
    ('horizontal,vertical\n"030EA10"x,020EA05\n', "line 2: text after a closing quote"),
])
def test_malformed_list_is_refused_naming_the_line(tmp_path, content, message):
    output = tmp_path / "out.csv"
    output.write_text("before")
    done = run("--pairs", "-", "--output", str(output), stdin=content)
    assert done.returncode == 1
    assert done.stderr.startswith(f"veltrisko-pattern: standard input: {message}")
    assert output.read_text() == "before"
    assert os.listdir(tmp_path) == ["out.csv"]


@pytest.mark.parametrize("args, message", [
    (["--pairs", "p.csv", "--horizontal", "030EA10"], "without --horizontal"),
    (["--pairs", "p.csv", "--csv"], "without --horizontal, --vertical and --csv"),
    (["--horizontal", "030EA10", "--vertical", "020EA05", "--output", "x.csv"], "--output goes with --pairs"),
    (["--pairs", "p.csv", "--step", "0"], "--step"),
])
def test_option_misuse_is_a_usage_error(args, message):
    done = run(*args)
    assert done.returncode == 2 and message in done.stderr
