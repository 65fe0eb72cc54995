"""Explains every drawing under a folder with Dask: a bag of paths, map, a table of results.

    python3 examples/python/explain_folder.py FOLDER [SCHEDULER_ADDRESS]

Without an address the bag runs on Dask's local scheduler, one process per core. Given the
address of a Dask cluster (dask.distributed), the same map runs on its workers, each of which
needs rivezozer installed and the files at the same paths (a shared file system).
"""
import sys
from pathlib import Path

import dask.bag
import pandas

import rivezozer

DRAWING_EXTENSIONS = {".dxf", ".plt", ".hpgl", ".hgl", ".hpg"}


def drawings(folder):
    """The drawing files under the folder, by the extensions rivez reads."""
    return sorted(str(path) for path in Path(folder).rglob("*")
                  if path.is_file() and path.suffix.lower() in DRAWING_EXTENSIONS)


def facts(path):
    """One row of the table: what the file is, what the importer kept and dropped, contours."""
    explanation = rivezozer.explain(path)
    rows = explanation["accounting"] + explanation["blockAccounting"]
    contours = explanation["contours"]
    return {
        "file": path,
        "importer": explanation["importer"],
        "result": explanation["result"],
        "kind": explanation["kind"],
        "kept": sum(row["kept"] for row in rows),
        "dropped": sum(sum(row["dropped"].values()) for row in rows),
        "warnings": len(explanation["warnings"]),
        "closed": contours["closed"] + contours["loopsOfPieces"],
        "open": len(contours["open"]),
    }


def explain_folder(folder, scheduler="processes") -> pandas.DataFrame:
    """The table of facts of every drawing under the folder, one row per file."""
    paths = drawings(folder)
    bag = dask.bag.from_sequence(paths, npartitions=max(1, min(len(paths), 64)))
    return pandas.DataFrame(bag.map(facts).compute(scheduler=scheduler))


if __name__ == "__main__":
    if len(sys.argv) > 2:
        from dask.distributed import Client
        Client(sys.argv[2])  # from here on, compute() runs on the cluster
        table = explain_folder(sys.argv[1], scheduler=None)
    else:
        table = explain_folder(sys.argv[1])
    pandas.set_option("display.width", 200)
    print(table.to_string(index=False))
