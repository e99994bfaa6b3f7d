# SPDX-License-Identifier: MIT
"""Builds the wheel of the package `veltrisko` for the interpreter that runs
pip: the CMake build of the module (target veltrisko_python), packed as a
wheel. It needs nothing but CMake, a C++20 compiler, pybind11 (Debian's
pybind11-dev) and that interpreter's headers; no package is fetched, so
`pip wheel .` and `pip install .` work without network access.

By default it configures the source tree for this interpreter alone in
build-python/<interpreter>/ (VELTRISKO_PYTHON_ONLY). VELTRISKO_CMAKE_BUILD (or
the config setting cmake-build) names an existing build tree to build the
target in and pack instead, which must be for this interpreter.
"""
import base64
import hashlib
import importlib.machinery
import os
import pathlib
import re
import subprocess
import sys
import sysconfig
import zipfile

SOURCE = pathlib.Path(__file__).resolve().parent.parent
NAME = "veltrisko"
SUMMARY = "Antenna patterns given by HCM antenna codes: component gains, V6 and V7 attenuation"


class BuildError(RuntimeError):
    pass


def _version():
    cmake = (SOURCE / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.search(r"project\(Veltrisko VERSION ([0-9.]+)", cmake)[1]


def _tag():
    """This interpreter's wheel tag, e.g. cp311-cp311-linux_x86_64."""
    if sys.implementation.name != "cpython":
        raise BuildError(f"the module is built for CPython, not {sys.implementation.name}")
    python = f"cp{sys.version_info.major}{sys.version_info.minor}"
    platform = re.sub(r"[-.]", "_", sysconfig.get_platform())
    return f"{python}-{python}{sys.abiflags}-{platform}"


def _build_tree(config_settings):
    given = (config_settings or {}).get("cmake-build") or os.environ.get("VELTRISKO_CMAKE_BUILD")
    if given:
        return pathlib.Path(given).resolve(), False
    return SOURCE / "build-python" / sys.implementation.cache_tag, True


def _cmake(*args):
    done = subprocess.run(["cmake", *map(str, args)], stdout=sys.stderr)
    if done.returncode != 0:
        raise BuildError(f"cmake {' '.join(map(str, args))} failed with status {done.returncode}")


def _build_module(config_settings):
    """The built package folder (veltrisko/ with _core beside the Python files)."""
    tree, own = _build_tree(config_settings)
    if own:
        _cmake("-S", SOURCE, "-B", tree, "-DCMAKE_BUILD_TYPE=Release",
               "-DVELTRISKO_PYTHON_ONLY=ON", f"-DPython3_EXECUTABLE={sys.executable}")
    _cmake("--build", tree, "--target", "veltrisko_python", "--parallel", os.cpu_count() or 1)
    package = tree / "python" / NAME
    suffix = importlib.machinery.EXTENSION_SUFFIXES[0]
    if not (package / f"_core{suffix}").is_file():
        built = sorted(p.name for p in package.glob("_core*"))
        raise BuildError(f"{tree} holds {built or 'no module'}, not _core{suffix} for "
                         f"{sys.executable}; build for this interpreter without "
                         "VELTRISKO_CMAKE_BUILD")
    return package, suffix


def _record_line(name, data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
    return f"{name},sha256={digest},{len(data)}"


def _metadata(version):
    return (f"Metadata-Version: 2.1\nName: {NAME}\nVersion: {version}\nSummary: {SUMMARY}\n"
            "License: MIT\nRequires-Python: >=3.8\nRequires-Dist: numpy\n"
            "Provides-Extra: pandas\nRequires-Dist: pandas; extra == \"pandas\"\n")


def _wheel_text(tag):
    return (f"Wheel-Version: 1.0\nGenerator: {NAME} build_backend\nRoot-Is-Purelib: false\n"
            f"Tag: {tag}\n")


def prepare_metadata_for_build_wheel(metadata_directory, config_settings=None):
    """The wheel's metadata without building it, so that pip builds once."""
    version = _version()
    info = pathlib.Path(metadata_directory) / f"{NAME}-{version}.dist-info"
    info.mkdir(parents=True, exist_ok=True)
    (info / "METADATA").write_text(_metadata(version), encoding="utf-8")
    (info / "WHEEL").write_text(_wheel_text(_tag()), encoding="utf-8")
    return info.name


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    package, suffix = _build_module(config_settings)
    version, tag = _version(), _tag()
    files = [("veltrisko/" + p.name, p.read_bytes()) for p in sorted(package.iterdir())
             if p.is_file() and (p.suffix in (".py", ".pyi", ".typed") or p.name.endswith(suffix))]
    info = f"{NAME}-{version}.dist-info"
    files += [
        (f"{info}/METADATA", _metadata(version).encode()),
        (f"{info}/WHEEL", _wheel_text(tag).encode()),
        (f"{info}/top_level.txt", f"{NAME}\n".encode()),
        (f"{info}/LICENSE", (SOURCE / "LICENSE").read_bytes()),
    ]
    record = "".join(_record_line(n, d) + "\n" for n, d in files) + f"{info}/RECORD,,\n"
    files.append((f"{info}/RECORD", record.encode()))
    wheel = f"{NAME}-{version}-{tag}.whl"
    partial = pathlib.Path(wheel_directory) / (wheel + ".part")
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in files:
            entry = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            entry.external_attr = (0o755 if name.endswith(suffix) else 0o644) << 16
            archive.writestr(entry, data, zipfile.ZIP_DEFLATED)
    partial.replace(partial.with_name(wheel))
    return wheel


def get_requires_for_build_wheel(config_settings=None):
    return []
