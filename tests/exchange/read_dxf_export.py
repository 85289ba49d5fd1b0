"""Reads a DXF file written by perfil with ezdxf and prints, one per line, the audit's
error count, $INSUNITS and every model-space entity with its layer, coordinates and
width or thickness; the export test compares the lines with the profile."""
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print(f"audit {len(auditor.errors)} {len(auditor.fixes)}")
print(f"units {doc.header.get('$INSUNITS', 0)}")
for e in doc.modelspace():
    kind = e.dxftype()
    if kind == "LWPOLYLINE":
        (x1, y1), (x2, y2) = e.get_points("xy")
        print(f"{kind} {e.dxf.layer} {x1:g} {y1:g} {x2:g} {y2:g} {e.dxf.const_width:g}")
    elif kind == "POINT":
        x, y, _ = e.dxf.location
        print(f"{kind} {e.dxf.layer} {x:g} {y:g} {e.dxf.thickness:g}")
    else:
        print(kind)
