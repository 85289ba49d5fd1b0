"""Writes DXF drawings with ezdxf, a DXF implementation independent of perfil's, into
the folder given as the only argument; the import tests read them. The hostile ones are
written by hand, pair by pair, so that their line numbers are known: pair i (from 0) has
its value on line 2 i + 2."""
import math
import os
import sys

import ezdxf


def new(units=4):
    doc = ezdxf.new("R2000")
    doc.header["$INSUNITS"] = units
    return doc, doc.modelspace()


def lines(msp):
    msp.add_line((0, 0), (100, 0))
    msp.add_line((100, 0), (100, 50))
    msp.add_circle((50, 25), 5)
    msp.add_text("perfil")
    msp.add_line((40.3, 20), (39.8, 20.2))  # both ends round to (40, 20)


def polylines(msp):
    # Constant width, per-vertex widths that agree, and widths that vary.
    msp.add_lwpolyline([(20, 20), (20, 120), (80, 120)], dxfattribs={"const_width": 2.5})
    msp.add_lwpolyline([(100, 20, 1.5, 1.5), (160, 20, 1.5, 1.5)], format="xyse")
    msp.add_lwpolyline([(100, 60, 2.0, 3.0), (160, 60, 2.0, 3.0)], format="xyse")
    # A bulge between the last two vertices: its chord becomes a bar.
    msp.add_lwpolyline([(20, 160), (60, 160, 1.0), (100, 160)], format="xyb")
    closed = msp.add_polyline2d([(200, 20), (260, 20), (260, 80)], close=True)
    closed.dxf.default_start_width = 0.75
    closed.dxf.default_end_width = 0.75
    msp.add_polyline3d([(0, 0, 0), (5, 5, 5)])


def points(msp):
    msp.add_point((30, 40), dxfattribs={"thickness": 4.0})
    msp.add_point((130, 40))
    msp.add_arc((200, 100), 20, 0, 90)


def bent_channel(msp, upper_radius):
    """A channel of LINEs, its web at x 20, its corners rounded by ARCs tangent to them: 4
    at the bottom, upper_radius at the top."""
    top = 130 - upper_radius
    msp.add_line((100, 20), (24, 20))
    msp.add_arc((24, 24), 4, 180, 270)
    msp.add_line((20, 24), (20, top))
    msp.add_arc((20 + upper_radius, top), upper_radius, 90, 180)
    msp.add_line((20 + upper_radius, 130), (100, 130))


def bulged_angle(msp):
    """An angle as one polyline 2 wide, its corner a quarter turn of radius 3."""
    msp.add_lwpolyline(
        [(300, 120, 0), (300, 23, math.tan(math.pi / 8)), (303, 20, 0), (380, 20, 0)],
        format="xyb",
        dxfattribs={"const_width": 2},
    )


def by_hand(*pairs):
    return "".join(f"{code}\n{value}\n" for code, value in pairs)


def entities(*pairs, header=()):
    """A drawing of the given entity pairs, after a header section when one is given."""
    head = ((0, "SECTION"), (2, "HEADER"), *header, (0, "ENDSEC")) if header else ()
    return by_hand(*head, (0, "SECTION"), (2, "ENTITIES"), *pairs, (0, "ENDSEC"), (0, "EOF"))


def line_from_x(x):
    return ((0, "LINE"), (8, "0"), (10, x), (20, "0"), (11, "100"), (21, "0"))


def lwpolyline(*vertices, count=None, width=None):
    pairs = [(0, "LWPOLYLINE")]
    if count is not None:
        pairs.append((90, count))
    if width is not None:
        pairs.append((43, width))
    for x, y in vertices:
        pairs += [(10, x), (20, y)]
    return tuple(pairs)


def hostile(folder):
    texts = {
        # The second polyline (line 18) gives no count.
        "count_missing_after_another": entities(
            *lwpolyline((0, 0), (100, 0), count=2), *lwpolyline((0, 50), (100, 50))),
        "count_below_vertices": entities(*lwpolyline((0, 0), (100, 0), (100, 50), count=2)),
        "width_1e308": entities(*lwpolyline((0, 0), (100, 0), count=2, width="1e308")),
        "x_1e308": entities(*line_from_x("1e308")),
        "units_4294967300": entities(
            *line_from_x("0"), header=((9, "$INSUNITS"), (70, "4294967300"))),
        "units_2147483648": entities(
            *line_from_x("0"), header=((9, "$INSUNITS"), (70, "2147483648"))),
    }
    for x in ("nan", "inf", "abc", ""):
        texts["x_" + (x or "empty")] = entities(*line_from_x(x))
    for name, text in texts.items():
        with open(os.path.join(folder, name + ".dxf"), "w") as f:
            f.write(text)


def main(folder):
    hostile(folder)
    cases = {}
    doc, msp = new()
    lines(msp)
    cases["lines"] = doc
    doc, msp = new()
    polylines(msp)
    cases["polylines"] = doc
    doc, msp = new()
    points(msp)
    cases["points"] = doc
    doc, msp = new()
    # Seen from behind (normal -z): x is mirrored into the drawing's plane.
    behind = {"extrusion": (0, 0, -1)}
    msp.add_arc((-100, 100), 20, 0, 90, dxfattribs=behind)
    msp.add_lwpolyline([(-10, 10), (-60, 10)], dxfattribs=behind)
    msp.add_arc((0, 0), 5, 0, 90, dxfattribs={"extrusion": (1, 0, 0)})
    cases["mirrored"] = doc
    doc, msp = new()
    bent_channel(msp, 4)
    cases["arc_bends"] = doc
    doc, msp = new()
    bent_channel(msp, 4)
    msp.add_line((10, 10), (30, 30))  # through the corner the lower arc rounds
    cases["crossed_corner"] = doc
    doc, msp = new()
    bent_channel(msp, 6)
    cases["unequal_radii"] = doc
    doc, msp = new()
    msp.add_line((20, 4), (20, 24))  # tangent, but back along the arc's side
    msp.add_arc((24, 24), 4, 180, 270)
    msp.add_line((24, 20), (100, 20))
    cases["bar_along_arc"] = doc
    doc, msp = new()
    # A hairpin: bars tangent to an arc of 179 degrees.
    start, end = math.radians(90.5), math.radians(269.5)
    a = (20 + 10 * math.cos(start), 60 + 10 * math.sin(start))
    b = (20 + 10 * math.cos(end), 60 + 10 * math.sin(end))
    msp.add_line((a[0] + 80 * math.sin(start), a[1] - 80 * math.cos(start)), a)
    msp.add_arc((20, 60), 10, 90.5, 269.5)
    msp.add_line(b, (b[0] - 80 * math.sin(end), b[1] + 80 * math.cos(end)))
    cases["hairpin"] = doc
    doc, msp = new()
    bulged_angle(msp)
    cases["bulge_bend"] = doc
    doc, msp = new(units=1)
    msp.add_lwpolyline([(1, 1), (3, 1)], dxfattribs={"const_width": 0.1})
    cases["inch"] = doc
    doc, msp = new(units=2)
    msp.add_lwpolyline([(0, 0), (1, 0)], dxfattribs={"const_width": 0.01})
    cases["foot"] = doc
    doc, msp = new()
    msp.add_line((300, 150), (399, 150))  # touches the area's right edge alone
    cases["right_edge"] = doc
    doc, msp = new()
    msp.add_line((-1000, 0), (-605, 245.3))  # as wide and as tall as the area allows
    cases["wide_and_tall"] = doc
    doc, msp = new(units=0)
    msp.add_line((-5000.2, 7000), (-4800.6, 7100.4))
    cases["far_away"] = doc
    doc, msp = new()
    for i in range(300):
        msp.add_line((i % 30 * 10, i // 30 * 10), (i % 30 * 10 + 5, i // 30 * 10))
    cases["many"] = doc
    doc, msp = new()
    msp.add_lwpolyline([(i % 2, i / 20) for i in range(5000)])
    cases["long_polyline"] = doc
    doc, msp = new(units=6)
    msp.add_line((0, 0), (2, 0.1))
    cases["huge"] = doc
    doc, msp = new(units=18)  # astronomical units
    msp.add_line((0, 0), (1, 0))
    cases["astronomical"] = doc
    doc, msp = new()
    msp.add_circle((10, 10), 5)
    cases["nothing_usable"] = doc
    for name, doc in cases.items():
        doc.saveas(os.path.join(folder, name + ".dxf"))
    with open(os.path.join(folder, "lines.dxf"), "rb") as f:
        whole = f.read()
    with open(os.path.join(folder, "truncated.dxf"), "wb") as f:
        f.write(whole[: len(whole) * 2 // 3])


if __name__ == "__main__":
    main(sys.argv[1])
