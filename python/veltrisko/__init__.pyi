# SPDX-License-Identifier: MIT
# Type hints of the package `veltrisko` (its compiled functions).
import os
from typing import Literal, Optional, TypedDict, Union, overload

import numpy as np
import numpy.typing as npt

Rule = Literal["v6", "v7"]
ArrayLike = npt.ArrayLike
FloatArray = npt.NDArray[np.float64]
Float32Array = npt.NDArray[np.float32]
Codes = Union[str, ArrayLike]
Path = Union[str, bytes, os.PathLike[str], os.PathLike[bytes]]

__version__: str

class InvalidCodeError(ValueError):
    component: Optional[Literal["horizontal", "vertical"]]
    code: str

class CodeFormWarning(UserWarning):
    component: Optional[Literal["horizontal", "vertical"]]
    code: str
    problem: str

def check_code_form(code: str) -> Optional[str]: ...

class AntennaCode:
    @property
    def code(self) -> str: ...
    @property
    def family(self) -> str: ...
    @property
    def type_letters(self) -> str: ...
    @property
    def leading_number(self) -> float: ...
    @property
    def trailing_number(self) -> float: ...
    @property
    def beam_width_step(self) -> Optional[int]: ...
    @property
    def beam_half_separation(self) -> Optional[int]: ...
    @property
    def back_field_letter(self) -> Optional[str]: ...
    @property
    def back_side_lobe_step(self) -> Optional[int]: ...
    @property
    def front_side_lobe_step(self) -> Optional[int]: ...

@overload
def component(code: str, angle: float) -> float: ...
@overload
def component(code: Codes, angle: ArrayLike) -> Union[float, FloatArray]: ...
@overload
def gain(code: str, angle: float) -> float: ...
@overload
def gain(code: Codes, angle: ArrayLike) -> Union[float, FloatArray]: ...
@overload
def attenuation(hcode: str, vcode: str, azimuth: float, elevation: float, rule: Rule = "v7") -> float: ...
@overload
def attenuation(
    hcode: Codes, vcode: Codes, azimuth: ArrayLike, elevation: ArrayLike, rule: Rule = "v7"
) -> Union[float, FloatArray]: ...
def parse(code: str) -> AntennaCode: ...

class Cut(TypedDict):
    angle: Float32Array
    horizontal_gain_db: Float32Array
    vertical_gain_db: Float32Array
    v6_db: Float32Array
    v7_db: Float32Array
    difference_db: Float32Array

class Cuts(TypedDict):
    horizontal: Cut
    vertical: Cut

def cuts(hcode: str, vcode: str, rule: Rule = "v7") -> Cuts: ...

class Comparison(TypedDict):
    largest_difference_db: float
    azimuth: float
    elevation: float
    v6_db: float
    v7_db: float
    mean_difference_db: float
    above_1db_percent: float
    above_3db_percent: float
    above_6db_percent: float

def compare(hcode: str, vcode: str, step: float = 1.0) -> Comparison: ...

class MeasuredCut(TypedDict):
    angle: FloatArray
    loss: FloatArray

class PatternFile(TypedDict):
    metadata: list[tuple[str, str]]
    horizontal: Optional[MeasuredCut]
    vertical: Optional[MeasuredCut]

def read_pattern_file(path: Path) -> PatternFile: ...
def write_pattern_file(
    path: Path, hcode: str, vcode: str, rule: Rule = "v7", format: Optional[Literal["msi", "csv"]] = None
) -> None: ...

class FitRow(TypedDict):
    codes: list[str]
    max_deviation_db: float
    rms_db: float
    mean_excess_db: float

class PairDeviation(TypedDict):
    max_deviation_db: float
    rms_db: float

class BestPair(TypedDict):
    horizontal: str
    vertical: str
    v6: PairDeviation
    v7: PairDeviation

class FitResult(TypedDict):
    file: str
    format: str
    criterion: str
    tolerance_db: Optional[float]
    horizontal_main_direction_deg: Optional[float]
    vertical_main_elevation_deg: Optional[float]
    horizontal_beamwidth_3db_deg: Optional[float]
    vertical_beamwidth_3db_deg: Optional[float]
    front_to_back_db: Optional[float]
    horizontal: Optional[list[FitRow]]
    vertical: Optional[list[FitRow]]
    best_pair: Optional[BestPair]

def fit(
    path_or_cuts: Union[Path, PatternFile],
    criterion: Literal["envelope", "rms"] = "envelope",
    tolerance: Optional[float] = None,
    top: int = 5,
) -> FitResult: ...
