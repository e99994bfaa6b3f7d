# SPDX-License-Identifier: MIT
# veltrisko.pandas: station tables held in DataFrames, against compare --pairs.
import io

import numpy as np
import pandas as pd
import pytest

import veltrisko
import veltrisko.pandas

STATIONS = pd.DataFrame({
    "station": ["Berg, Nord", "Tal", "Hof", "Berg, Nord", "Feld"],
    "horizontal": ["030EA10", "130VA20", "066EA00", "030EA10", "030EA1"],
    "vertical": ["020EA05", "045EB05", "020EA05", "020EA05", "020EA05"],
    "azimuth": [10.0, -30.0, 0.0, 200.0, 45.0],
    "elevation": [5.0, 2.5, 0.0, -10.0, np.nan],
})


def test_compare_pairs_gives_the_tools_figures(tool):
    result = veltrisko.pandas.compare_pairs(STATIONS, step=10)
    assert list(result.columns[:5]) == list(STATIONS.columns)
    assert result["station"].tolist() == STATIONS["station"].tolist()
    printed = tool("compare", "--pairs", "-", "--step", "10",
                   stdin=STATIONS[["station", "horizontal", "vertical"]].to_csv(index=False),
                   check=False).stdout
    theirs = pd.read_csv(io.StringIO(printed), dtype=str, keep_default_na=False)
    for name in veltrisko.pandas.FIGURES:
        ours = ["" if np.isnan(x) else "%.2f" % x for x in result[name]]
        assert ours == theirs[name].tolist(), name
    assert result["error"].tolist() == theirs["error"].tolist()
    assert result["warning"].tolist() == ["", "", "", "", (
        "horizontal antenna code '030EA1' is not written in the seven-character form "
        "(6 characters, not 7); it is read as it stands")]


@pytest.mark.filterwarnings("ignore::veltrisko.CodeFormWarning")
def test_attenuation_of_every_row():
    rows = STATIONS.drop(index=2)  # the rejected code
    values = veltrisko.pandas.attenuation(rows, rule="v6")
    assert values.index.tolist() == rows.index.tolist() and values.name == "v6_db"
    expected = [veltrisko.attenuation(r.horizontal, r.vertical, r.azimuth, r.elevation, rule="v6")
                for r in rows.itertuples()]
    np.testing.assert_array_equal(values.to_numpy(), expected)


def test_strict_rejects_a_row_with_a_warning():
    result = veltrisko.pandas.compare_pairs(STATIONS, step=30, strict=True)
    assert result["error"][4] == result["warning"][4] != ""
    assert np.isnan(result["largest_difference_db"][4]) and result["error"][:2].tolist() == ["", ""]
