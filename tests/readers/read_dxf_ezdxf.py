#!/usr/bin/env python3
"""Reads a DXF file with ezdxf, audits it and prints one JSON line: the audit's errors
and fixes, the DXF version, entity counts by layer and type, texts, and the extents of
the geometry (lines, arcs, circles, polylines) computed by ezdxf."""
import json
import sys

import ezdxf
from ezdxf import recover
from ezdxf import bbox


def main(path):
    try:
        doc, auditor = recover.readfile(path)
    except (IOError, ezdxf.DXFStructureError) as e:
        print(json.dumps({"ok": False, "error": str(e)}))
        return 1
    auditor = doc.audit()
    msp = doc.modelspace()
    counts = {}
    texts = []
    for e in msp:
        layer = e.dxf.layer
        counts.setdefault(layer, {}).setdefault(e.dxftype(), 0)
        counts[layer][e.dxftype()] += 1
        if e.dxftype() == "TEXT":
            texts.append({"text": e.dxf.text, "layer": layer})
    shapes = [e for e in msp if e.dxftype() != "TEXT"]
    box = bbox.extents(shapes) if shapes else None
    print(json.dumps({
        "ok": True,
        "version": doc.dxfversion,
        "units": doc.header.get("$INSUNITS", 0),
        "auditErrors": [str(err.message) for err in auditor.errors],
        "auditFixes": len(auditor.fixes),
        "countsByLayer": counts,
        "texts": texts,
        "extents": None if box is None or not box.has_data else
        {"min": [box.extmin.x, box.extmin.y], "max": [box.extmax.x, box.extmax.y]},
    }, ensure_ascii=False))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
