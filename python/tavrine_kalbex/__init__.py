"""TavrineKalbex structural-engineering calculators (GBJ 10-89, GBJ 7-89, JGJ 94-94 ...).

    import tavrine_kalbex as tk
    m = tk.create("clsMoment")
    r = m.CalMu_As(iK=1, iSecPos=5, dMu=180, tFy="II级", iFcm=0, sFcm=25, sB=250, sH=500, sCas=35)
    r["dAs"], r["lErrNumber"], r.get("error")
    help(m.CalMu_As)                   # meaning, unit, direction and values of every parameter

A call returns the parameters after the call as a dict (records as dicts, arrays as lists), with
"return", and "error" ({"code", "message", "kind"}) when the code is not a success, or "note" for an
informative code. Host forms and controls are dicts: tk.form(...), tk.control(...). tk.run(calls)
takes the call objects of `kalbex run`. The interpreter lock is released during a calculation, so
threads calculate in parallel; an object belongs to the thread that created it.
"""

import json as _json

from . import _tavrine_kalbex as _core

ContractError = _core.ContractError
ComponentFailure = _core.ComponentFailure

__all__ = ["create", "run", "book", "classes", "explain", "doc", "control", "controls", "form",
           "Calculator", "ContractError", "ComponentFailure"]


def _dumps(value):
    return _json.dumps(value, ensure_ascii=False, allow_nan=False)


class Calculator:
    """One calculator object; its operations are methods taking keyword (or positional) args."""

    def __init__(self, name):
        self._core = _core.Calculator(name)
        self.class_name = self._core.class_name

    def operations(self):
        return list(self._core.operations())

    def __getattr__(self, name):
        if name.startswith("_"):
            raise AttributeError(name)
        op = self._core.operation_name(name)
        if not op:
            raise AttributeError(f"{self.class_name} has no operation {name}")
        core = self._core
        params = list(core.params(op))

        def call(*args, **kwargs):
            if len(args) > len(params):
                raise ContractError(f"{op} takes {len(params)} arguments, {len(args)} given")
            named = dict(zip(params, args))
            for k, v in kwargs.items():
                if k in named:
                    raise ContractError(f"parameter {k} given twice")
                named[k] = v
            out = _json.loads(core.call(op, _dumps(named)))
            result = dict(out["args"])
            result["return"] = out["return"]
            for extra in ("error", "note"):
                if extra in out:
                    result[extra] = out[extra]
            return result

        call.__name__ = op
        call.__qualname__ = f"{self.class_name}.{op}"
        call.__doc__ = _core.doc(self.class_name, op)
        return call

    def __dir__(self):
        return sorted(set(super().__dir__()) | set(self._core.operations()))

    def __repr__(self):
        return f"<tavrine_kalbex.{self.class_name}>"


def create(name):
    """Creates a calculator by class name ("clsMoment") or ProgID ("TavrineKalbex.clsMoment")."""
    return Calculator(name)


def run(calls):
    """Runs call objects as `kalbex run` does: {"class", "operation", "args", "object"}, or a list."""
    return _json.loads(_core.run(_dumps(calls)))


def book(calls, project=""):
    """The calculation book of call objects (as tk.run takes them): one self-contained HTML text
    with the inputs, report, sketch and verdict of every call."""
    return _core.book(_dumps(calls), project)


def classes():
    return list(_core.classes())


def doc(cls, operation):
    """The parameter table of one operation as text."""
    return _core.doc(cls, operation)


def explain(code, cls=""):
    """{"code", "kind", "message"} of an error code (of one class when `cls` is given)."""
    return dict(_core.explain(int(code), cls))


def control(**properties):
    """An in-memory host control: control(Text="25", Enabled=True, List=["C20", "C25"])."""
    return {"$control": properties}


def controls(*items):
    """A control array of property dicts: controls({"Text": "1"}, {"Text": "2"})."""
    return {"$controls": [dict(i) for i in items]}


def form(_name=None, **named_controls):
    """A host form of named controls (a dict of properties, or a list for a control array)."""
    f = {"$form": {k: (v["$control"] if isinstance(v, dict) and "$control" in v else
                       v["$controls"] if isinstance(v, dict) and "$controls" in v else v)
                   for k, v in named_controls.items()}}
    if _name is not None:
        f["name"] = _name
    return f
