"""The type stub declares each command as the module's docstring signature gives it."""

import ast
import pathlib
import re

import tarnvale

STUB = pathlib.Path(tarnvale.__file__).with_name("__init__.pyi")


def stub_parameters():
    tree = ast.parse(STUB.read_text())
    functions = {}
    for node in tree.body:
        if isinstance(node, ast.FunctionDef):
            a = node.args
            names = [p.arg for p in a.args]
            names += ["*" + a.vararg.arg] if a.vararg else []
            names += [p.arg for p in a.kwonlyargs]
            functions[node.name] = names
    return functions


def test_stub_declares_every_command_as_its_docstring_does():
    stub = stub_parameters()
    for name in tarnvale.__all__:
        if name in ("Error", "lookup_many", "frequencies"):
            continue
        signature = getattr(tarnvale, name).__doc__.splitlines()[0]
        inside = re.fullmatch(r"tarnvale\.\w+\((.*)\) -> list\[dict\]", signature).group(1)
        names = [part.split("=")[0] for part in inside.split(", ") if part]
        assert stub[name] == names, name
    assert set(stub) == set(tarnvale.__all__) - {"Error"}
