#pragma once

#include "Profile.h"

#include <string>

// The profile as a DXF drawing (AutoCAD 2000 text format, millimetres): every bar a
// two-vertex LWPOLYLINE on layer "BARRAS" whose constant width is the bar's thickness
// (where the profile's bends round a corner, the bar stops short of it and the bend is a
// two-vertex LWPOLYLINE with a bulge, as wide as the bend is thick, after the bar it
// leaves), every appendix a POINT on layer "APENDICES" whose thickness (group 39) is its
// own.
// DXF y grows upwards, so y is written as the area's height - y and the section stands
// as drawn. Records that are neither bars nor appendices are left out, as in the drawing.

std::string ExportDxf(const TProfile& profile);

// Writes ExportDxf(profile) to path in one step (FileBytes.h); throws PerfilError.
void ExportDxfFile(const TProfile& profile, const std::string& path);
