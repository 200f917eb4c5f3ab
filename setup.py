"""Builds the Python module tarnvale with the project's own CMake build, offline: the native
part is the CMake target _tarnvale, so pip and the test command build the same thing.

    python3 -m pip install --no-build-isolation .
"""

import os
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent


def project_version():
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(Tarnvale VERSION ([\d.]+)", text).group(1)


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        options = [
            "-DCMAKE_BUILD_TYPE=Release",
            "-DTARNVALE_GUI=OFF",
            "-DTARNVALE_BENCHMARKS=OFF",
            "-DBUILD_TESTING=OFF",
            "-DPython3_EXECUTABLE=" + sys.executable,
        ]
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), *options], check=True)
        subprocess.run(
            ["cmake", "--build", str(build), "--target", "_tarnvale",
             "--parallel", str(os.cpu_count() or 1)],
            check=True,
        )
        built = next((build / "python" / "tarnvale").glob("_tarnvale*.so"))
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built, target)


setup(
    version=project_version(),
    packages=["tarnvale"],
    package_dir={"": "python"},
    package_data={"tarnvale": ["*.pyi", "py.typed"]},
    ext_modules=[Extension("tarnvale._tarnvale", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    options={"build": {"build_base": "build-python"}},
)
