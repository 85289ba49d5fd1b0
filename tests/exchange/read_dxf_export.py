"""Reads a DXF file written by perfil with ezdxf and prints, one per line, the audit's
error count, $INSUNITS and every model-space entity with its layer, coordinates and
width or thickness; a bulged polyline as the arc it draws: centre, radius, and start and
end angles counter-clockwise in degrees. The export test compares the lines with the
profile."""
import math
import sys

import ezdxf
from ezdxf.math import bulge_to_arc

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print(f"audit {len(auditor.errors)} {len(auditor.fixes)}")
print(f"units {doc.header.get('$INSUNITS', 0)}")
for e in doc.modelspace():
    kind = e.dxftype()
    if kind == "LWPOLYLINE":
        (x1, y1, bulge), (x2, y2, _) = e.get_points("xyb")
        if bulge:
            (cx, cy), start, end, radius = bulge_to_arc((x1, y1), (x2, y2), bulge)
            start, end = (math.degrees(a) % 360 for a in (start, end))
            print(f"ARC {e.dxf.layer} {cx:g} {cy:g} {radius:g} {start:g} {end:g} "
                  f"{e.dxf.const_width:g}")
        else:
            print(f"{kind} {e.dxf.layer} {x1:g} {y1:g} {x2:g} {y2:g} {e.dxf.const_width:g}")
    elif kind == "POINT":
        x, y, _ = e.dxf.location
        print(f"{kind} {e.dxf.layer} {x:g} {y:g} {e.dxf.thickness:g}")
    else:
        print(kind)
