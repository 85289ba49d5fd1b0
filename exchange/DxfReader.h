#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One usable entity of a DXF drawing, in the drawing's own units with y upwards: a
// straight segment (from a LINE, a polyline segment or the chord of an arc) or a point.
struct DxfShape {
    bool isPoint = false;
    double x1 = 0.0, y1 = 0.0; // the point, or the segment's start
    double x2 = 0.0, y2 = 0.0; // the segment's end
    double width = 0.0;        // constant width (segment) or thickness (point); 0 = none
    // A chord: the arc it stands for, its centre in the same axes and its turn (radians,
    // unsigned).
    bool isChord = false;
    double cx = 0.0, cy = 0.0, radius = 0.0, sweep = 0.0;
    std::string entity;        // the DXF entity it came from, and the line naming it
    std::size_t line = 0;
};

// What ReadDxf found. Shapes beyond the kept limit are counted but not stored, so a
// hostile file cannot make the reader hold more than the caller can use.
struct DxfDrawing {
    std::vector<DxfShape> shapes;
    std::size_t shapeCount = 0; // all usable shapes, kept or not
    long long insUnits = 0;     // $INSUNITS, 0 when absent
    int straightened = 0;       // arcs and bulged polyline segments taken as chords
    int skipped = 0;            // entities of other kinds, 3-D polylines, overflowing arcs
    bool complete = false;      // the text reached the end-of-file marker
    std::string fault;          // why the drawing must not be imported (DxfPairCheck.h)
};

// Parses DXF text with dxflib. Only the ENTITIES section counts: block definitions are
// not drawn unless inserted, and inserts are skipped. Never throws for bad input: a text
// that is not DXF simply comes back incomplete, and one that dxflib would read otherwise
// than written comes back with its fault, at which reading stopped.
DxfDrawing ReadDxf(std::string_view text, std::size_t keepAtMost);
