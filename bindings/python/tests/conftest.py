"""Shared fixtures: the built vdxml tool (the C++ oracle) and the surveys it writes."""

import json
import os
import subprocess
from pathlib import Path

import pytest


def _tool() -> str:
    tool = os.environ.get("VDXML_TOOL")
    if not tool:
        here = Path(__file__).resolve().parents[3]
        tool = str(here / "build" / "tools" / "vdxml" / "vdxml")
    if not os.path.exists(tool):
        pytest.exit(f"the vdxml tool is not built ({tool}); set VDXML_TOOL", returncode=2)
    return tool


TOOL = _tool()


def run_tool(*args: str) -> str:
    """Runs the vdxml tool and returns its standard output; a failure fails the test."""
    done = subprocess.run([TOOL, *map(str, args)], capture_output=True, text=True)
    assert done.returncode == 0, f"vdxml {' '.join(map(str, args))}: {done.stderr}"
    return done.stdout


def dump_json(path) -> list:
    """The C++ record tree's view of a file: index, depth, kind and named fields per record."""
    return json.loads(run_tool("dump", path, "--json"))


@pytest.fixture(scope="session")
def sample(tmp_path_factory) -> Path:
    """The tool's sample survey of 50 points (every element kind the library writes)."""
    path = tmp_path_factory.mktemp("sample") / "sample.xml"
    run_tool("sample", "-o", path, "--points", "50")
    return path


@pytest.fixture(scope="session")
def big_sample(tmp_path_factory) -> Path:
    """A sample of 20000 points: far more records than the reader's queue holds."""
    path = tmp_path_factory.mktemp("big") / "big.xml"
    run_tool("sample", "-o", path, "--points", "20000")
    return path
