#include "DxfExport.h"

#include "Bends.h"
#include "DrawingArea.h"
#include "DxfMemoryWriter.h"
#include "ExactPoint.h"
#include "FileBytes.h"

#include <dl_dxf.h>

#include <cmath>
#include <utility>

namespace {

const char* const BarLayer = "BARRAS";
const char* const AppendixLayer = "APENDICES";
constexpr int InsUnitsMillimetres = 4;

// A thickness a file may hold as NaN, infinite or negative has no width to give;
// CAD programs reject such widths, so it is written as 0.
double Width(double thickness) {
    return std::isfinite(thickness) && thickness > 0.0 ? thickness : 0.0;
}

// DXF y grows upwards; bulge: the tangent of a quarter of the turn to the next vertex,
// counter-clockwise positive.
DL_VertexData Vertex(TPointMm p, double bulge = 0.0) {
    return DL_VertexData(p.X, DrawingArea::Height - p.Y, 0.0, bulge);
}

DL_VertexData Vertex(const TProfileObject& o, TEnd end) {
    return Vertex(PointMm(o, end));
}

// dxflib's block records add a second paper space and point to layouts that only its
// own objects section defines, whose objects lack owners; CAD programs then repair the
// file on opening. The drawing needs the two spaces alone, under dxflib's handles.
constexpr int ModelSpaceRecord = 0x1F;
constexpr int PaperSpaceRecord = 0x1B;
constexpr int RootDictionary = 0xC;
constexpr int GroupDictionary = 0xD;

void WriteBlockRecords(DxfMemoryWriter& dw) {
    dw.table("BLOCK_RECORD", 2, 1);
    for (const auto& [handle, name] : {std::pair(ModelSpaceRecord, "*Model_Space"),
                                       std::pair(PaperSpaceRecord, "*Paper_Space")}) {
        dw.dxfString(0, "BLOCK_RECORD");
        dw.dxfHex(5, handle);
        dw.dxfString(100, "AcDbSymbolTableRecord");
        dw.dxfString(100, "AcDbBlockTableRecord");
        dw.dxfString(2, name);
    }
    dw.tableEnd();
}

// The one object a drawing of this version must have: the root dictionary.
void WriteObjects(DxfMemoryWriter& dw) {
    dw.sectionObjects();
    dw.dxfString(0, "DICTIONARY");
    dw.dxfHex(5, RootDictionary);
    dw.dxfString(330, "0");
    dw.dxfString(100, "AcDbDictionary");
    dw.dxfInt(281, 1);
    dw.dxfString(3, "ACAD_GROUP");
    dw.dxfHex(350, GroupDictionary);
    dw.dxfString(0, "DICTIONARY");
    dw.dxfHex(5, GroupDictionary);
    dw.dxfHex(330, RootDictionary);
    dw.dxfString(100, "AcDbDictionary");
    dw.dxfInt(281, 1);
    dw.sectionEnd();
}

void WriteTables(DL_Dxf& dxf, DxfMemoryWriter& dw) {
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(3);
    dxf.writeLayer(dw, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::white, 0, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(BarLayer, 0),
                   DL_Attributes("", DL_Codes::white, 0, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(AppendixLayer, 0),
                   DL_Attributes("", DL_Codes::blue, 0, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    WriteBlockRecords(dw);
    dw.sectionEnd();
}

void WriteBlocks(DL_Dxf& dxf, DxfMemoryWriter& dw) {
    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dw.sectionEnd();
}

// One piece of wall: a two-vertex polyline as wide as the wall is thick.
void WriteWall(DL_Dxf& dxf, DxfMemoryWriter& dw, const DL_VertexData& from, const DL_VertexData& to,
               double thickness) {
    dxf.writePolyline(dw, DL_PolylineData(2, 0, 0, 0),
                      DL_Attributes(BarLayer, DL_Codes::bylayer, -1, "BYLAYER", 1.0));
    // dxflib has no field for the constant width; its group follows the flags.
    dw.dxfReal(43, Width(thickness));
    dxf.writeVertex(dw, from);
    dxf.writeVertex(dw, to);
    dxf.writePolylineEnd(dw);
}

// A bar short of the corners its bends round, then each bend as a bulged piece: the
// drawing's y points down, so its sweep turns the other way in DXF.
void WriteBends(DL_Dxf& dxf, DxfMemoryWriter& dw, const TBends& bends, std::size_t bar,
                const TProfileObject& o) {
    WriteWall(dxf, dw, Vertex(bends.end(bar, TEnd::P1)), Vertex(bends.end(bar, TEnd::P2)),
              o.Thickness);
    for (const TBend& bend : bends.Bends)
        if (bend.BarA == bar)
            WriteWall(dxf, dw, Vertex(bend.TangentA, std::tan(-bend.Sweep / 4)),
                      Vertex(bend.TangentB), bend.Thickness);
}

// dxflib's POINT writer has no thickness, so the entity is written group by group.
void WriteAppendix(DxfMemoryWriter& dw, const TProfileObject& appendix) {
    dw.entity("POINT");
    dw.dxfString(100, "AcDbEntity");
    dw.entityAttributes(DL_Attributes(AppendixLayer, DL_Codes::bylayer, -1, "BYLAYER", 1.0));
    dw.dxfString(100, "AcDbPoint");
    const DL_VertexData at = Vertex(appendix, TEnd::P1);
    dw.coord(10, at.x, at.y);
    dw.dxfReal(39, Width(appendix.Thickness));
}

} // namespace

std::string ExportDxf(const TProfile& profile) {
    DL_Dxf dxf;
    DxfMemoryWriter dw;
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, InsUnitsMillimetres);
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1);
    dw.sectionEnd();
    WriteTables(dxf, dw);
    WriteBlocks(dxf, dw);
    dw.sectionEntities();
    const std::span<const TProfileObject> objects = profile.liveObjects();
    const TBends bends = FindBends(objects, profile.info().BendRadius);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TProfileObject& object = objects[i];
        if (bends.shortened(i))
            WriteBends(dxf, dw, bends, i, object);
        else if (object.isBar())
            WriteWall(dxf, dw, Vertex(object, TEnd::P1), Vertex(object, TEnd::P2),
                      object.Thickness);
        else if (object.isAppendix())
            WriteAppendix(dw, object);
    }
    dw.sectionEnd();
    WriteObjects(dw);
    dw.dxfEOF();
    return dw.text();
}

void ExportDxfFile(const TProfile& profile, const std::string& path) {
    const std::string text = ExportDxf(profile);
    WriteFileBytes(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}
