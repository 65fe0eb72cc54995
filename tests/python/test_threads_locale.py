"""Reads from several threads, and the process locale around a read."""
import json
import locale
import os
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

import pytest
import rivezozer

from conftest import EXAMPLES, example_files


def test_reads_in_threads_give_what_reads_in_turn_give():
    files = example_files() * 8
    in_turn = [rivezozer.read(path, importer).to_dict() for path, importer in files]
    with ThreadPoolExecutor(4) as pool:
        at_once = list(pool.map(lambda f: rivezozer.read(*f).to_dict(), files))
    assert at_once == in_turn


def test_a_read_leaves_the_programs_locale_as_it_was():
    before = locale.setlocale(locale.LC_ALL)
    rivezozer.read(EXAMPLES / "bracket.dxf")
    rivezozer.explain(EXAMPLES / "bracket.dxf")
    assert locale.setlocale(locale.LC_ALL) == before


def test_numbers_read_as_written_under_a_decimal_comma_locale_in_threads():
    # Each dxf read's Open switches the process to de_DE: reads at once must not see the
    # comma that another read's Open brings back.
    try:
        locale.setlocale(locale.LC_ALL, "de_DE.UTF-8")
    except locale.Error:
        pytest.skip("the locale de_DE.UTF-8 is not installed (scripts/deps.sh installs it)")
    finally:
        locale.setlocale(locale.LC_ALL, "C")
    files = [(str(path), importer) for path, importer in example_files()] * 8
    script = """
import json, locale, sys, rivezozer
from concurrent.futures import ThreadPoolExecutor
locale.setlocale(locale.LC_ALL, "")
with ThreadPoolExecutor(4) as pool:
    drawings = list(pool.map(lambda f: rivezozer.read(*f).to_dict(), json.loads(sys.argv[1])))
print(json.dumps([drawings, locale.localeconv()["decimal_point"]]))
"""
    out = subprocess.run([sys.executable, "-c", script, json.dumps(files)],
                         env=dict(os.environ, LC_ALL="de_DE.UTF-8"), check=True,
                         capture_output=True, text=True).stdout
    drawings, point = json.loads(out)
    assert point == ","  # the program's own locale is still the one it chose
    assert drawings == [rivezozer.read(*f).to_dict() for f in files]
