# SPDX-License-Identifier: MIT
# How the module takes its arguments: codes off the seven-character form, arrays
# of codes, NaN angles, paths, its version.
import os
import pathlib
import re
import warnings

import numpy as np
import pytest

import veltrisko

# Typos the model still reads, each with what the form check says of it.
TYPOS = [("030EA1", "6 characters, not 7"),
         ("030EA1O", "'O' at position 7 where a digit belongs"),
         ("-30EA10", "'-' at position 1 where a digit belongs"),
         ("1.5EA10", "'.' at position 2 where a digit belongs"),
         ("3e1EA10", "'e' at position 2 where a digit belongs"),
         ("030EA10x", "8 characters, not 7"),
         (" 030EA10", "white space at position 1")]


def recorded(call):
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        result = call()
    return result, [w for w in caught if issubclass(w.category, veltrisko.CodeFormWarning)]


@pytest.mark.parametrize("code, problem", TYPOS)
def test_code_off_the_form_warns_and_keeps_its_number(tool, code, problem):
    assert veltrisko.check_code_form(code) == problem
    value, caught = recorded(lambda: veltrisko.attenuation(code, "020EA05", 10.0, 5.0))
    assert [(w.message.component, w.message.code, w.message.problem) for w in caught] == \
        [("horizontal", code, problem)]
    assert str(caught[0].message) == (f"horizontal antenna code '{code}' is not written in the "
                                      f"seven-character form ({problem}); it is read as it stands")
    assert caught[0].filename == __file__
    if " " not in code:  # eval's queries are split at blanks
        printed = tool("eval", stdin=f"v7 {code} 020EA05 10 5\n").stdout
        assert "%.9g" % value == printed.strip()


@pytest.mark.parametrize("call, warned", [
    # Once per distinct code and call, in the order the codes first appear.
    (lambda: veltrisko.attenuation(["030EA1", "030EA10", "030EA1", "1.5EA10"], "020EA5", 0, 0),
     [("horizontal", "030EA1"), ("horizontal", "1.5EA10"), ("vertical", "020EA5")]),
    (lambda: veltrisko.gain(np.array([["030EA1"], ["030EA1"]]), [0, 1]), [(None, "030EA1")]),
    (lambda: veltrisko.parse("030EA1O"), [(None, "030EA1O")]),
    (lambda: veltrisko.cuts("030EA10", "020EA5"), [("vertical", "020EA5")]),
    (lambda: veltrisko.compare("030EA1", "020EA05", step=30), [("horizontal", "030EA1")]),
    # Codes of every family written as composed warn of nothing.
    (lambda: veltrisko.attenuation(["030EA10", "045EB05", "045EC00", "030DE00", "060LA05",
                                    "050KA00", "050CA00", "050CB00", "050CC00", "100TA05",
                                    "000ND00", "000XX00", "130VA20", "205WA31"], "020EA05", 1, 2),
     []),
])
def test_warnings_name_each_distinct_code_once(call, warned):
    _, caught = recorded(call)
    assert [(w.message.component, w.message.code) for w in caught] == warned


def test_code_form_warning_can_be_an_error():
    with warnings.catch_warnings():
        warnings.simplefilter("error", veltrisko.CodeFormWarning)
        with pytest.raises(veltrisko.CodeFormWarning, match="030EA1"):
            veltrisko.attenuation("030EA1", "020EA05", np.zeros(3), 0)
        assert veltrisko.attenuation("030EA10", "020EA05", 0, 0) == 0


@pytest.mark.parametrize("hcodes, vcodes, azimuth, elevation, shape", [
    (["030EA10", "045EB10", "130VA20"], "020EA05", 10.0, 5.0, (3,)),
    (np.array([["030EA10"], ["205WA31"]]), ["020EA05", "100TA05", "045EB05"], [[0], [40]], 7.5,
     (2, 3)),
    (np.array(["030EA10", "045EB10"], dtype=object), np.array(["020EA05", "020EA05"], dtype=object),
     np.array([10.0, 20.0]), np.array([1.0, -2.0]), (2,)),
    (np.array([], dtype=str), "020EA05", 1.0, 2.0, (0,)),
])
@pytest.mark.parametrize("rule", ["v6", "v7"])
def test_arrays_of_codes_broadcast_like_angles(hcodes, vcodes, azimuth, elevation, shape, rule):
    result = veltrisko.attenuation(hcodes, vcodes, azimuth, elevation, rule=rule)
    assert result.shape == shape and result.dtype == np.float64
    h, v, az, el = np.broadcast_arrays(np.asarray(hcodes, dtype=object),
                                       np.asarray(vcodes, dtype=object),
                                       np.asarray(azimuth, np.float32),
                                       np.asarray(elevation, np.float32))
    expected = [veltrisko.attenuation(*args, rule=rule)
                for args in zip(h.ravel(), v.ravel(), map(float, az.ravel()), map(float, el.ravel()))]
    assert result.ravel().tolist() == expected
    gains = veltrisko.gain(hcodes, azimuth)
    assert gains.shape == np.broadcast(np.asarray(hcodes), np.asarray(azimuth)).shape


@pytest.mark.parametrize("call", [
    lambda angle: veltrisko.component("030EA10", angle),
    lambda angle: veltrisko.gain("130VA20", angle),
    lambda angle: veltrisko.attenuation("030EA10", "020EA05", angle, 0.0),
    lambda angle: veltrisko.attenuation("030EA10", "020EA05", 10.0, angle, rule="v6"),
    lambda angle: veltrisko.attenuation([["030EA10"], ["205WA31"]], "020EA05", 0.0, angle),
])
def test_nan_angle_gives_nan(call):
    assert np.isnan(call(float("nan"))).all()
    values = call(np.array([np.nan, 10.0, np.inf]))
    assert np.isnan(values[..., 0]).all() and not np.isnan(values[..., 1:]).any()


def test_paths_may_be_pathlib_paths(tmp_path):
    path = tmp_path / "pair.csv"
    veltrisko.write_pattern_file(path, "030EA10", "020EA05")
    veltrisko.write_pattern_file(os.fsencode(tmp_path / "bytes.csv"), "030EA10", "020EA05")
    assert path.read_bytes() == (tmp_path / "bytes.csv").read_bytes()
    by_path, by_text = veltrisko.read_pattern_file(path), veltrisko.read_pattern_file(str(path))
    assert by_path["horizontal"]["loss"].tolist() == by_text["horizontal"]["loss"].tolist()


def test_version_is_the_projects():
    cmake = pathlib.Path(os.environ["VELTRISKO_SOURCE_DIR"], "CMakeLists.txt").read_text()
    assert veltrisko.__version__ == re.search(r"project\(Veltrisko VERSION ([0-9.]+)", cmake)[1]
