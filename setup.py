"""Builds rivezozer._rivezozer with the project's CMake build; pyproject.toml has the rest."""
import os
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).resolve().parent


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build = Path(self.build_temp).resolve() / "cmake"
        configure = ["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                     "-DRIVEZOZER_BUILD_PYTHON=ON", "-DRIVEZOZER_BUILD_TESTS=OFF",
                     "-DRIVEZOZER_BUILD_BENCH=OFF", "-DRIVEZOZER_INSTALL=OFF",
                     f"-DPython_EXECUTABLE={sys.executable}"]
        subprocess.run(configure, check=True)
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", str(os.cpu_count() or 1))
        subprocess.run(["cmake", "--build", str(build), "--target", "_rivezozer", "-j", jobs],
                       check=True)
        target = Path(self.get_ext_fullpath(ext.name))
        built = build / "tools" / "python" / "rivezozer" / target.name
        target.parent.mkdir(parents=True, exist_ok=True)
        self.copy_file(str(built), str(target))


setup(ext_modules=[Extension("rivezozer._rivezozer", sources=[])],
      cmdclass={"build_ext": CMakeBuild})
