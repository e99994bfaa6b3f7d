# SPDX-License-Identifier: MIT
"""Station tables held in pandas DataFrames (needs python3-pandas).

compare_pairs() is `veltrisko-pattern compare --pairs` for a DataFrame;
attenuation() adds the combined attenuation of every row in one call.
"""
import warnings

import numpy as np
import pandas as pd

import veltrisko

# The figures `compare` gives, as `compare --pairs` names its columns.
FIGURES = ("largest_difference_db", "azimuth", "elevation", "v6_db", "v7_db",
           "mean_difference_db", "above_1db_percent", "above_3db_percent", "above_6db_percent")


def _compared(hcode, vcode, step):
    """The figures of one pair, its error and its warnings."""
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always", veltrisko.CodeFormWarning)
        try:
            figures = veltrisko.compare(hcode, vcode, step=step)
            error = ""
        except veltrisko.InvalidCodeError as e:
            figures, error = {}, str(e)
    warning = "; ".join(str(w.message) for w in caught
                        if issubclass(w.category, veltrisko.CodeFormWarning))
    return figures, error, warning


def compare_pairs(frame, step=1.0, horizontal="horizontal", vertical="vertical", strict=False):
    """A copy of `frame` with the figures of compare() for each row's code pair.

    horizontal, vertical: the columns that hold the codes. Every other column
    is kept. The new columns are those of `veltrisko-pattern compare --pairs`
    (largest_difference_db, azimuth, elevation, v6_db, v7_db,
    mean_difference_db, above_1db_percent, above_3db_percent,
    above_6db_percent, error) as floats, not rounded, and `warning`, which
    names a code not written in the seven-character form (see
    check_code_form). A row whose code the model rejects gets NaN figures and
    the reason in `error`; with strict=True, so does a row with a warning (as
    with `compare --pairs --strict`). Each distinct pair is computed once.
    """
    result = frame.copy()
    pairs = list(zip(frame[horizontal].astype(str), frame[vertical].astype(str)))
    outcomes = {pair: _compared(*pair, step) for pair in dict.fromkeys(pairs)}
    if strict:
        outcomes = {pair: ({}, warning, warning) if warning else (figures, error, warning)
                    for pair, (figures, error, warning) in outcomes.items()}
    for name in FIGURES:
        result[name] = [outcomes[p][0].get(name, np.nan) for p in pairs]
    result["error"] = [outcomes[p][1] for p in pairs]
    result["warning"] = [outcomes[p][2] for p in pairs]
    return result


def attenuation(frame, azimuth="azimuth", elevation="elevation", rule="v7",
                horizontal="horizontal", vertical="vertical"):
    """The combined attenuation in dB of every row as a Series of the frame's
    index: veltrisko.attenuation() over the columns, in one call. Raises
    InvalidCodeError for a rejected code, like the function."""
    values = veltrisko.attenuation(frame[horizontal].to_numpy(), frame[vertical].to_numpy(),
                                   frame[azimuth].to_numpy(), frame[elevation].to_numpy(),
                                   rule=rule)
    return pd.Series(values, index=frame.index, name=f"{rule}_db")
