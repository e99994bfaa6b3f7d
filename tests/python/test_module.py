# SPDX-License-Identifier: MIT
# The module's numbers against veltrisko-pattern on the same inputs.
import json
import math
import pathlib

import numpy as np

import pytest

import veltrisko

CODES = ["030EA10", "045EB05", "045EC00", "030DE00", "060LA05", "-30LA05", "050KA00", "050CA00",
         "050CB00", "050CC00", "100TA05", "000ND00", "000XX00", "130VA20", "205WA31"]
PAIRS = [("030EA10", "020EA05"), ("045EB10", "130VA20"), ("100TA05", "205WA31"),
         ("000ND00", "060LA05")]
# Single-precision angles, as eval reads them, around and beyond a turn.
ANGLES = np.array([0, 0.5, -3.25, 17.3, 45, 89.99, 90, 135.7, 180, -180, 271.1, 359.9, 725.5,
                   -1e7, np.nan, np.inf], dtype=np.float32)
DIRECTIONS = [(az, el) for az in ANGLES[::2] for el in ANGLES[1::3]]


def text(value):
    """A number as eval prints it."""
    return "%.9g" % value


def eval_answers(tool, queries):
    answers = tool("eval", stdin="".join(q + "\n" for q in queries)).stdout.splitlines()
    assert len(answers) == len(queries)
    return answers


@pytest.mark.filterwarnings("ignore::veltrisko.CodeFormWarning")
def test_component_and_gain_equal_eval(tool):
    queries, values = [], []
    for code in CODES:
        for verb, function in (("component", veltrisko.component), ("gain", veltrisko.gain)):
            array = function(code, ANGLES)
            for k, angle in enumerate(ANGLES):
                # A NaN angle gives NaN, where eval gives the model's number.
                if np.isnan(angle):
                    assert math.isnan(array[k]) and math.isnan(function(code, float(angle)))
                    continue
                queries.append(f"{verb} {code} {text(angle)}")
                values.append(text(function(code, float(angle))))
                assert text(array[k]) == values[-1]
    assert eval_answers(tool, queries) == values


@pytest.mark.parametrize("rule", ["v6", "v7"])
def test_attenuation_equals_eval(tool, rule):
    queries, values = [], []
    azimuths = np.array([d[0] for d in DIRECTIONS], dtype=np.float32)
    elevations = np.array([d[1] for d in DIRECTIONS], dtype=np.float32)
    for h, v in PAIRS:
        array = veltrisko.attenuation(h, v, azimuths, elevations, rule=rule)
        for k, (az, el) in enumerate(DIRECTIONS):
            scalar = veltrisko.attenuation(h, v, float(az), float(el), rule=rule)
            if np.isnan(az) or np.isnan(el):
                assert math.isnan(array[k]) and math.isnan(scalar)
                continue
            queries.append(f"{rule} {h} {v} {text(az)} {text(el)}")
            assert text(array[k]) == text(scalar)
            values.append(text(scalar))
    assert eval_answers(tool, queries) == values


@pytest.mark.parametrize("azimuth, elevation, shape", [
    (np.float32(12.5), 3.0, None),
    (np.array(12.5), np.array(-7.0), None),
    (np.linspace(-180, 180, 7), 10.0, (7,)),
    (np.linspace(-180, 180, 12).reshape(3, 4), np.linspace(-90, 90, 12).reshape(3, 4), (3, 4)),
    (np.linspace(-180, 180, 5)[:, None], np.linspace(-90, 90, 4)[None, :], (5, 4)),
    ([[1, 2, 3]], [[4], [5]], (2, 3)),
    (np.arange(24, dtype=np.int64).reshape(2, 3, 4), np.float64(1.5), (2, 3, 4)),
    (np.zeros((0, 3)), 1.0, (0, 3)),
    # Large enough to be shared among threads, in parts of which the last is short.
    (np.linspace(-720, 720, 40001), np.linspace(90, -90, 40001), (40001,)),
])
def test_arrays_broadcast_like_numpy(azimuth, elevation, shape):
    result = veltrisko.attenuation("045EB10", "130VA20", azimuth, elevation)
    if shape is None:
        assert isinstance(result, float)
        return
    assert result.shape == shape and result.dtype == np.float64
    az, el = np.broadcast_arrays(np.asarray(azimuth, np.float32), np.asarray(elevation, np.float32))
    expected = [veltrisko.attenuation("045EB10", "130VA20", float(a), float(e))
                for a, e in zip(az.ravel(), el.ravel())]
    assert result.ravel().tolist() == expected


@pytest.mark.parametrize("call, error, message", [
    (lambda: veltrisko.component("066EA00", 1.0), ValueError, "^invalid antenna code '066EA00'$"),
    (lambda: veltrisko.gain("12", np.zeros(0)), ValueError, "^invalid antenna code '12'$"),
    (lambda: veltrisko.attenuation("030EA10", "066EA00", 1.0, 2.0, rule="v6"), ValueError,
     "^invalid vertical antenna code '066EA00'$"),
    (lambda: veltrisko.attenuation("x", "020EA05", [1.0], [2.0]), ValueError,
     "^invalid horizontal antenna code 'x'$"),
    # V7 samples the rejected vertical code only off the axis, in the threads.
    (lambda: veltrisko.attenuation("030EA10", "066EA00", 1.0, np.ones(40000)), ValueError,
     "^invalid vertical antenna code '066EA00'$"),
    # The horizontal code first, as the tool names them.
    (lambda: veltrisko.attenuation("066EA00", "1", 10, 10), ValueError,
     "^invalid horizontal antenna code '066EA00'$"),
    # The first rejected code of an array, in the array's order.
    (lambda: veltrisko.attenuation(["030EA10", "1", "066EA00", "1"], "020EA05", 1.0, 2.0),
     ValueError, "^invalid horizontal antenna code '1'$"),
    (lambda: veltrisko.gain(np.array(["030EA10", 30], dtype=object), 1.0), TypeError, "strings"),
    (lambda: veltrisko.gain(np.array([1, 2]), 1.0), TypeError, "strings"),
    (lambda: veltrisko.attenuation("030EA10", "020EA05", 1.0, 2.0, rule="v8"), ValueError, "rule"),
    (lambda: veltrisko.attenuation("030EA10", "020EA05", np.zeros(3), np.zeros(4)), ValueError,
     "broadcast"),
    (lambda: veltrisko.component("030EA10", "12"), TypeError, "numbers"),
    (lambda: veltrisko.parse("066EA00"), ValueError, "^invalid antenna code '066EA00'$"),
    (lambda: veltrisko.cuts("030EA10", "1"), ValueError, "^invalid vertical antenna code '1'$"),
    (lambda: veltrisko.compare("1", "020EA05"), ValueError, "^invalid horizontal antenna code '1'$"),
    (lambda: veltrisko.write_pattern_file("p.msi", "030EA10", "066EA00"), ValueError,
     "^invalid vertical antenna code '066EA00'$"),
    (lambda: veltrisko.compare("030EA10", "020EA05", step=0.01), ValueError, "step"),
    (lambda: veltrisko.read_pattern_file("/nonexistent/p.msi"), FileNotFoundError,
     "/nonexistent/p.msi"),
    (lambda: veltrisko.fit(pathlib.Path("/nonexistent/p.msi")), FileNotFoundError, "p.msi"),
    (lambda: veltrisko.read_pattern_file(12), TypeError, ""),
    (lambda: veltrisko.write_pattern_file("/nonexistent/p.msi", "030EA10", "020EA05"), OSError,
     "cannot write"),
    (lambda: veltrisko.write_pattern_file("p.msi", "030EA10", "020EA05", format="pdf"), ValueError,
     "format"),
    (lambda: veltrisko.fit({"horizontal": None}), ValueError, "no cut"),
    (lambda: veltrisko.fit({"horizontal": {"angle": [0, 400], "loss": [0, 1]}}), ValueError,
     "0..360"),
    (lambda: veltrisko.fit("x.msi", criterion="best"), ValueError, "criterion"),
])
def test_errors(call, error, message):
    with pytest.raises(error, match=message) as raised:
        call()
    if "antenna code" in message:
        assert isinstance(raised.value, veltrisko.InvalidCodeError)
        words, code = message.strip("^$").split("'")[:2]
        role = words.split()[1]
        assert (raised.value.component, raised.value.code) == \
            (role if role in ("horizontal", "vertical") else None, code)


@pytest.mark.parametrize("code, family, fields", [
    ("030EA10", "EA", dict(leading_number=30, type_letters="EA", trailing_number=10,
                           beam_width_step=None)),
    ("100TA05", "TA", dict(leading_number=100, trailing_number=5)),
    ("000XX00", "XX", dict(type_letters="XX")),
    ("130VA20", "V", dict(beam_width_step=1, beam_half_separation=30, back_field_letter="A",
                          back_side_lobe_step=None)),
    ("205WB31", "W", dict(beam_width_step=2, beam_half_separation=5, back_field_letter="B",
                          back_side_lobe_step=3, front_side_lobe_step=1)),
])
def test_parse(code, family, fields):
    parsed = veltrisko.parse(code)
    assert (parsed.code, parsed.family) == (code, family)
    for name, value in fields.items():
        assert getattr(parsed, name) == value, name


@pytest.mark.parametrize("rule", ["v6", "v7"])
@pytest.mark.parametrize("cut", ["horizontal", "vertical"])
def test_cuts_equal_table(tool, rule, cut):
    curves = veltrisko.cuts("045EB10", "130VA20", rule=rule)[cut]
    rows = tool("table", "--horizontal", "045EB10", "--vertical", "130VA20", "--rule", rule,
                "--cut", cut).stdout.splitlines()[1:]
    angle_column = 0 if cut == "horizontal" else 1
    assert [r.split(",")[angle_column] for r in rows] == [text(a) for a in curves["angle"]]
    assert [r.split(",")[2] for r in rows] == [text(a + 0.0) for a in curves[f"{rule}_db"]]
    assert np.array_equal(curves["difference_db"], np.abs(curves["v6_db"] - curves["v7_db"]))


@pytest.mark.parametrize("hcode, vcode, step", [("030EA10", "020EA05", 2.0),
                                                 ("130VA20", "045EB05", 3.0)])
def test_compare_equals_tool(tool, hcode, vcode, step):
    r = veltrisko.compare(hcode, vcode, step=step)
    printed = (
        f"largest difference: {r['largest_difference_db']:.2f} dB at azimuth {r['azimuth']:.2f}, "
        f"elevation {r['elevation']:.2f} (V6 {r['v6_db']:.2f} dB, V7 {r['v7_db']:.2f} dB)\n"
        f"mean difference: {r['mean_difference_db']:.2f} dB\n"
        f"share above 1 dB: {r['above_1db_percent']:.2f} %\n"
        f"share above 3 dB: {r['above_3db_percent']:.2f} %\n"
        f"share above 6 dB: {r['above_6db_percent']:.2f} %\n")
    assert printed == tool("compare", "--horizontal", hcode, "--vertical", vcode, "--step",
                           str(step)).stdout


@pytest.mark.parametrize("name, rule", [("pair.msi", "v7"), ("pair.csv", "v6")])
def test_pattern_file_round_trip(tool, tmp_path, name, rule):
    ours, theirs = tmp_path / name, tmp_path / ("tool-" + name)
    veltrisko.write_pattern_file(str(ours), "045EB10", "130VA20", rule=rule)
    tool("export", "--horizontal", "045EB10", "--vertical", "130VA20", "--rule", rule,
         "--output", str(theirs))
    assert ours.read_bytes() == theirs.read_bytes()
    pattern = veltrisko.read_pattern_file(str(ours))
    assert pattern["horizontal"]["angle"].tolist() == list(range(360))
    written = [line.split(",")[1] for line in ours.read_text().splitlines()[2:]] \
        if name.endswith(".csv") else None
    if written:
        assert ["%.2f" % loss for loss in pattern["horizontal"]["loss"]] == written
    # The fit of the file is the tool's fit; of its cuts, the same but for the name.
    found = veltrisko.fit(str(ours), criterion="rms", top=2)
    printed = tool("fit", str(ours), "--criterion", "rms", "--top", "2", "--json").stdout
    assert found == json.loads(printed)
    of_cuts = veltrisko.fit(pattern, criterion="rms", top=2)
    assert {k: v for k, v in of_cuts.items() if k not in ("file", "format")} == \
        {k: v for k, v in found.items() if k not in ("file", "format")}
