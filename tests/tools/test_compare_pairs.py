# SPDX-License-Identifier: MIT
# compare --pairs: each row's figures are those of a single compare call.
import csv
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
           "above_1db_percent,above_3db_percent,above_6db_percent,error,warning")


def run(*args, stdin=None):
    return subprocess.run([TOOL, "compare", *args], input=stdin, capture_output=True, text=True)


def run_bytes(*args, stdin=None):
    """As run, without turning CR and CRLF into LF."""
    return subprocess.run([TOOL, "compare", *args], input=stdin, capture_output=True)


def single_compare(hcode, vcode, step):
    out = run("--horizontal", hcode, "--vertical", vcode, "--step", step).stdout
    return re.findall(r"-?\d+\.\d\d", out)


def test_rows_equal_single_compare_calls(tmp_path):
    pairs, output = tmp_path / "pairs.csv", tmp_path / "out.csv"
    pairs.write_text(LIST, encoding="utf-8")
    done = run("--pairs", str(pairs), "--step", "3", "--output", str(output))
    assert done.returncode == 1  # one row holds a rejected code
    assert done.stdout == ""
    assert re.search(r"compared 5 rows \(4 distinct code pairs\): .* warnings: 0; not compared: 1\n$",
                     done.stderr)
    lines = output.read_text(encoding="utf-8").splitlines()
    assert lines[0] == "station,horizontal,vertical,id," + FIGURES
    assert len(lines) == 6
    for line, source in zip(lines[1:], LIST.splitlines()[1:]):
        assert line.startswith(source + ",")
        fields = line[len(source) + 1:].split(",")
        hcode, vcode = re.findall(r"\d\d\d[A-Z][A-Z]\d\d", source)
        if hcode == "066EA00":
            assert fields == [""] * 9 + ["invalid horizontal antenna code '066EA00'", ""]
        else:
            assert fields == single_compare(hcode, vcode, "3") + ["", ""]


@pytest.mark.parametrize("content, message", [
    ("", "line 1: no header line"),
    ("horizontal,station\n030EA10,x\n", "line 1: the header names no 'vertical' column"),
    ("horizontal,vertical,Vertical\n", "line 1: the header names the 'vertical' column twice"),
    ("horizontal,vertical\n030EA10,020EA05\n\n030EA10\n", "line 4: 1 field where the header has 2"),
    ("Station;horiz;vertical\r\n", "line 1: the header names no 'horizontal' column "
                                   "(columns found: 'Station', 'horiz', 'vertical')"),
    ("\ufeffStation;vertical\n", "line 1: the header names no 'horizontal' column "
                                 "(columns found: 'Station', 'vertical')"),
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
    (["--pairs", "p.csv", "--decimal", "dot"], "--decimal must be point or comma"),
    ([*"--horizontal 030EA10 --vertical 020EA05 --strict".split()], "--strict goes with --pairs"),
])
def test_option_misuse_is_a_usage_error(args, message):
    done = run(*args)
    assert done.returncode == 2 and message in done.stderr


def test_a_doubled_byte_order_mark_reads_and_is_written_as_one(tmp_path):
    pairs, output = tmp_path / "pairs.csv", tmp_path / "out.csv"
    pairs.write_bytes(b"\xef\xbb\xbf\xef\xbb\xbfhorizontal,vertical\n030EA10,020EA05\n")
    done = run("--pairs", str(pairs), "--step", "3", "--output", str(output))
    assert done.returncode == 0, done.stderr
    assert output.read_bytes().startswith(b"\xef\xbb\xbfhorizontal,vertical,largest_")


def test_german_spreadsheet_export_round_trips(tmp_path):
    # Semicolons, Windows-1252, a byte order mark and CRLF, as a spreadsheet
    # saves "CSV (Trennzeichen-getrennt)"; written back the same way, with
    # decimal commas.
    pairs, output = tmp_path / "stationen.csv", tmp_path / "out.csv"
    source = ("\ufeffStation;horizontal;vertical;Kennung\r\n"
              "München Süd;030EA10;020EA05;A1\r\n;;;\r\n\"Berg; Nord\";130VA20;045EB05;A2\r\n")
    pairs.write_bytes(source.encode("utf-8")[:3] + source[1:].encode("cp1252"))
    done = run("--pairs", str(pairs), "--step", "3", "--output", str(output))
    assert done.returncode == 0, done.stderr
    written = output.read_bytes()
    assert written.startswith(b"\xef\xbb\xbfStation;horizontal;vertical;Kennung;largest_")
    rows = written[3:].decode("cp1252").split("\r\n")
    assert rows[-1] == "" and len(rows) == 4 and b"\n" not in written.replace(b"\r\n", b"")
    assert rows[0].endswith(";error;warning")
    for row, (name, hcode, vcode, key) in zip(rows[1:3], [
            ("München Süd", "030EA10", "020EA05", "A1"),
            ('"Berg; Nord"', "130VA20", "045EB05", "A2")]):
        assert row.startswith(f"{name};{hcode};{vcode};{key};")
        figures = row.split(";")[-11:]
        expected = [f.replace(".", ",") for f in single_compare(hcode, vcode, "3")]
        assert figures == expected + ["", ""]
    again = run_bytes("--pairs", str(pairs), "--step", "3", "--decimal", "point")
    assert again.stdout[3:].split(b"\r\n")[1].endswith(b";0.00;;")


@pytest.mark.parametrize("header, separator", [
    ("horizontal,vertical\n", ","), ("horizontal\tvertical\r", "\t"),
    ("\ufeffhorizontal;vertical\n", ";"), ("horizontal,vertical\r\n", ",")])
def test_separator_and_line_end_are_those_of_the_list(header, separator):
    end = header[header.index("vertical") + 8:]
    done = run_bytes("--pairs", "-", "--step", "45", stdin=(header + separator.join(
        ["030EA10", "020EA05"]) + end).encode())
    assert done.returncode == 0, done.stderr
    lines = done.stdout.decode().split(end)
    assert lines[0].lstrip("\ufeff").startswith(f"horizontal{separator}vertical{separator}")
    assert lines[1].startswith(f"030EA10{separator}020EA05{separator}") and lines[2] == ""


CODES_OFF_FORM = [("030EA1", "horizontal 030EA1: 6 characters, not 7"),
                  ("030EA1O", "horizontal 030EA1O: 'O' at position 7 where a digit belongs"),
                  ("-30EA10", "horizontal -30EA10: '-' at position 1 where a digit belongs"),
                  ("030EA10x", "horizontal 030EA10x: 8 characters, not 7"),
                  (" 030EA10", "horizontal  030EA10: white space at position 1")]


@pytest.mark.parametrize("code, warning", CODES_OFF_FORM)
def test_code_off_the_seven_character_form_is_warned_and_refused_under_strict(code, warning):
    listing = f'name,horizontal,vertical\nA,"{code}",020EA05\nB,030EA10,020EA05\n'
    done = run("--pairs", "-", "--step", "45", stdin=listing)
    row = next(csv.reader(done.stdout.splitlines()[1:2]))
    assert done.returncode == 0 and row[-2:] == ["", warning]
    assert row[3] != ""  # still evaluated under the specified reading
    assert "; warnings: 1; not compared: 0\n" in done.stderr
    strict = run("--pairs", "-", "--step", "45", "--strict", stdin=listing)
    assert strict.returncode == 1
    assert strict.stdout.splitlines()[1].split(",")[3:12] == [""] * 9
    assert strict.stdout.splitlines()[2].split(",")[3] != ""
    assert "; warnings: 1; not compared: 1\n" in strict.stderr


def test_missing_column_message_shows_windows_1252_names_as_utf8():
    done = run_bytes("--pairs", "-", stdin="Straße;Höhe;vertical\r\n".encode("cp1252"))
    assert done.returncode == 1
    assert done.stderr.decode("utf-8").endswith(
        "line 1: the header names no 'horizontal' column (columns found: 'Straße', 'Höhe', "
        "'vertical')\n")
