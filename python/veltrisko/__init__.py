# SPDX-License-Identifier: MIT
# The package `veltrisko`: the compiled functions of veltrisko._core under the
# package's name; `veltrisko.pandas` runs station tables held in DataFrames.
from veltrisko._core import *  # noqa: F401,F403
from veltrisko._core import __doc__, __version__  # noqa: F401
