// DXF in and out against a second, independent DXF implementation (ezdxf): the inputs
// are written by it, and perfil's exports are read back by it.
#include "DxfExport.h"
#include "DxfImport.h"
#include "ExactPoint.h"
#include "FileBytes.h"
#include "PerfilError.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr double DefaultThickness = 1.0;

// Runs the command and returns its standard output; fails the test on a non-zero status.
std::string Output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe)
        throw std::runtime_error("popen failed");
    std::string out;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get()))
        out.append(buffer, n);
    const int status = ::pclose(pipe.release());
    EXPECT_EQ(status, 0) << command;
    return out;
}

std::string Python(const char* script, const std::string& argument) {
    return Output(std::string(PERFIL_PYTHON " ") + script + " '" + argument + "'");
}

struct Object {
    TObjectKind kind;
    TPoint p1, p2;
    double thickness;
};

TProfileObject Record(const Object& o) {
    TProfileObject r;
    r.Kind = o.kind;
    r.P1 = o.p1;
    r.P2 = o.kind == okBar ? o.p2 : TPoint{};
    r.Thickness = o.thickness;
    return r;
}

std::vector<Object> Objects(const std::vector<TProfileObject>& records) {
    std::vector<Object> objects;
    for (const TProfileObject& r : records)
        objects.push_back({static_cast<TObjectKind>(r.Kind), r.P1, r.P2, r.Thickness});
    return objects;
}

bool operator==(const Object& a, const Object& b) {
    return a.kind == b.kind && a.p1 == b.p1 && (a.kind != okBar || a.p2 == b.p2) &&
           std::abs(a.thickness - b.thickness) < 1e-9;
}

std::ostream& operator<<(std::ostream& out, const Object& o) {
    out << (o.kind == okBar ? "bar " : "appendix ") << o.p1.X << ',' << o.p1.Y;
    if (o.kind == okBar)
        out << " - " << o.p2.X << ',' << o.p2.Y;
    return out << " t " << o.thickness;
}

TProfile ProfileOf(const std::vector<Object>& objects) {
    std::vector<TProfileObject> records;
    for (const Object& o : objects)
        records.push_back(Record(o));
    TProfile profile;
    profile.replace(records, 0);
    return profile;
}

const std::vector<Object> Sample = {
    {okBar, {0, 0}, {399, 249}, 1.5},
    {okBar, {120, 40}, {120, 200}, 0.1},
    {okAppendix, {30, 40}, {}, 2.0},
    {okBar, {200, 249}, {10, 249}, 10.0},
};

TEST(DxfExport, ImportGivesBackTheSameObjects) {
    const std::string text = ExportDxf(ProfileOf(Sample));
    const TDxfImport back = ImportDxf(
        {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, DefaultThickness);
    EXPECT_EQ(Objects(back.Records), Sample);
    EXPECT_EQ(back.Skipped, 0);
}

TEST(DxfExport, EzdxfReadsLayersCoordinatesAndWidths) {
    TempDir dir;
    TProfile profile = ProfileOf(Sample);
    profile.Objects(2).Kind = 7; // neither bar nor appendix: not drawn, not exported
    profile.Objects(4).Thickness = -10; // a file's thickness that no width can carry
    ExportDxfFile(profile, dir / "profile.dxf");
    EXPECT_EQ(Python(PERFIL_READ_EXPORT, dir / "profile.dxf"), "audit 0 0\n"
                                                               "units 4\n"
                                                               "LWPOLYLINE BARRAS 0 250 399 1 1.5\n"
                                                               "POINT APENDICES 30 210 2\n"
                                                               "LWPOLYLINE BARRAS 200 1 10 1 0\n");
}

// A channel of 2 mm walls bent on an inner radius of 3 mm: the centre line turns on 4 mm,
// 4 mm from each corner.
TProfile BentChannel() {
    TProfile profile = ProfileOf({{okBar, {150, 50}, {50, 50}, 2.0},
                                  {okBar, {50, 50}, {50, 150}, 2.0},
                                  {okBar, {50, 150}, {150, 150}, 2.0}});
    for (int i = 1; i <= profile.ObjectCount(); ++i)
        profile.Objects(i).Number = i;
    TProfileInfo info = profile.info();
    info.BendRadius = 3.0;
    profile.setInfo(info);
    return profile;
}

// Each bend after the bar it leaves, turning counter-clockwise in DXF's axes.
TEST(DxfExport, BendsAreArcsBetweenShortenedBars) {
    TempDir dir;
    ExportDxfFile(BentChannel(), dir / "bent.dxf");
    EXPECT_EQ(Python(PERFIL_READ_EXPORT, dir / "bent.dxf"), "audit 0 0\n"
                                                            "units 4\n"
                                                            "LWPOLYLINE BARRAS 150 200 54 200 2\n"
                                                            "ARC BARRAS 54 196 4 90 180 2\n"
                                                            "LWPOLYLINE BARRAS 50 196 50 104 2\n"
                                                            "ARC BARRAS 54 104 4 180 270 2\n"
                                                            "LWPOLYLINE BARRAS 54 100 150 100 2\n");
}

TEST(DxfExport, BendsComeBackAsBends) {
    const TProfile profile = BentChannel();
    const std::string text = ExportDxf(profile);
    const TDxfImport back = ImportDxf(
        {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, DefaultThickness);
    const std::span<const TProfileObject> sent = profile.liveObjects();
    ASSERT_EQ(back.Records.size(), sent.size());
    for (std::size_t i = 0; i < sent.size(); ++i)
        for (const TEnd end : {TEnd::P1, TEnd::P2})
            EXPECT_EQ(ExactPoint(back.Records[i], end), ExactPoint(sent[i], end)) << i;
    EXPECT_EQ(back.BendRadius, 3.0);
    EXPECT_EQ(ImportNotice(back),
              "3 objetos importados do desenho DXF; 2 arcos importados como dobras (raio "
              "interno 3,00 mm)");
}

class DxfImportOfEzdxfFiles : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_dir = std::make_unique<TempDir>();
        Python(PERFIL_MAKE_INPUTS, s_dir->path().string());
    }
    static void TearDownTestSuite() { s_dir.reset(); }
    static TDxfImport Import(const std::string& name) {
        return ImportDxfFile(*s_dir / (name + ".dxf"), DefaultThickness);
    }
    static std::unique_ptr<TempDir> s_dir;
};
std::unique_ptr<TempDir> DxfImportOfEzdxfFiles::s_dir;

struct ImportCase {
    const char* file;
    std::vector<Object> objects;
    int straightened;
    int skipped;
};

TEST_F(DxfImportOfEzdxfFiles, MakesBarsAndAppendices) {
    const double d = DefaultThickness;
    const ImportCase cases[] = {
        // Lying on the area's bottom edge, it is moved 10 mm in from left and bottom;
        // the circle and the text are skipped. The short line keeps its hundredths,
        // though both its ends round to one whole point.
        {"lines",
         {{okBar, {10, 239}, {110, 239}, d},
          {okBar, {110, 239}, {110, 189}, d},
          {okBar, {50, 219}, {50, 219}, d}},
         0,
         2},
        {"polylines",
         {{okBar, {20, 230}, {20, 130}, 2.5},
          {okBar, {20, 130}, {80, 130}, 2.5},
          {okBar, {100, 230}, {160, 230}, 1.5},
          {okBar, {100, 190}, {160, 190}, d}, // start and end widths differ
          {okBar, {20, 90}, {60, 90}, d},
          {okBar, {60, 90}, {100, 90}, d}, // the bulged segment's chord
          {okBar, {200, 230}, {260, 230}, 0.75},
          {okBar, {260, 230}, {260, 170}, 0.75},
          {okBar, {260, 170}, {200, 230}, 0.75}}, // closing segment
         1,
         1}, // the 3-D polyline is skipped
        {"points",
         {{okAppendix, {30, 210}, {}, 4.0},
          {okAppendix, {130, 210}, {}, d},
          {okBar, {220, 150}, {200, 130}, d}},
         1,
         0},
        {"mirrored",
         {{okBar, {80, 150}, {100, 130}, d}, {okBar, {10, 240}, {60, 240}, d}},
         1,
         1}, // the arc in a side plane is skipped
        // The bars meet where the arcs' tangents do.
        {"arc_bends",
         {{okBar, {100, 230}, {20, 230}, d},
          {okBar, {20, 230}, {20, 120}, d},
          {okBar, {20, 120}, {100, 120}, d}},
         0,
         0},
        {"bulge_bend",
         {{okBar, {300, 130}, {300, 230}, 2.0}, {okBar, {300, 230}, {380, 230}, 2.0}},
         0,
         0},
        {"inch", {{okBar, {25, 225}, {76, 225}, 2.54}}, 0, 0},
        {"foot", {{okBar, {10, 239}, {315, 239}, 3.048}}, 0, 0},
        {"right_edge", {{okBar, {300, 100}, {399, 100}, d}}, 0, 0},
        {"far_away", {{okBar, {10, 239}, {209, 139}, d}}, 0, 0},
        // Moved only as far in from the left and the bottom as its size allows: by whole
        // millimetres, its top 0,7 mm below the area's.
        {"wide_and_tall", {{okBar, {4, 246}, {399, 1}, d}}, 0, 0},
    };
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.file);
        const TDxfImport result = Import(c.file);
        EXPECT_EQ(Objects(result.Records), c.objects);
        EXPECT_EQ(result.Straightened, c.straightened);
        EXPECT_EQ(result.Skipped, c.skipped);
        for (std::size_t i = 0; i < result.Records.size(); ++i)
            EXPECT_EQ(result.Records[i].Number, static_cast<int>(i + 1));
    }
}

// Arcs that join two bars tangentially with one radius become bends, which the notice
// gives with the radius; any others stay chords, and the notice says why.
TEST_F(DxfImportOfEzdxfFiles, NoticeSaysHowArcsWereTaken) {
    const std::pair<const char*, const char*> cases[] = {
        // The centre line turns on 4 mm, less half the default thickness.
        {"arc_bends", "3 objetos importados do desenho DXF; 2 arcos importados como dobras "
                      "(raio interno 3,50 mm)"},
        {"bulge_bend", "2 objetos importados do desenho DXF; 1 arco importado como dobra "
                       "(raio interno 2,00 mm)"},
        {"unequal_radii", "5 objetos importados do desenho DXF; 2 arcos importados como "
                          "cordas: raios diferentes"},
        {"bar_along_arc", "3 objetos importados do desenho DXF; 1 arco tomado como barra reta"},
        // Its corner lies 1146 mm away.
        {"hairpin", "3 objetos importados do desenho DXF; 1 arco tomado como barra reta"},
        // A corner that a third bar crosses is no bend: all arcs stay chords.
        {"crossed_corner", "6 objetos importados do desenho DXF; 2 arcos tomados como barras "
                           "retas"},
    };
    for (const auto& [file, notice] : cases) {
        SCOPED_TRACE(file);
        EXPECT_EQ(ImportNotice(Import(file)), notice);
    }
}

// Hundredths survive the import, also through the whole-millimetre move of a drawing
// that lay outside the area.
TEST_F(DxfImportOfEzdxfFiles, KeepsHundredths) {
    const std::tuple<const char*, TExactPoint, TExactPoint> cases[] = {
        {"inch", {2540, 22460}, {7620, 22460}},      // 1 and 3 in, y 250 - 25.4
        {"far_away", {980, 23900}, {20940, 13860}}, // moved by (5009, 6989) mm
    };
    for (const auto& [file, p1, p2] : cases) {
        SCOPED_TRACE(file);
        const TDxfImport result = Import(file);
        ASSERT_EQ(result.Records.size(), 1u);
        EXPECT_EQ(ExactPoint(result.Records[0], TEnd::P1), p1);
        EXPECT_EQ(ExactPoint(result.Records[0], TEnd::P2), p2);
    }
}

TEST_F(DxfImportOfEzdxfFiles, RefusesWithTheReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"many", "O desenho tem 300 objetos; um perfil tem no máximo 255"},
        {"long_polyline", "O desenho tem 4999 objetos; um perfil tem no máximo 255"},
        {"huge", "O desenho mede 2000 × 100 mm e não cabe na área de 400 × 250 mm"},
        {"astronomical", "Unidade de desenho não suportada ($INSUNITS 18)"},
        {"nothing_usable", "O desenho não tem linhas, polilinhas, arcos nem pontos"},
        {"truncated", "O arquivo não é um desenho DXF completo"},
        // What dxflib would read otherwise than written: wrapped integers, numbers read as
        // 0, vertices reused from the polyline before or dropped.
        {"units_4294967300", "Unidade de desenho não suportada ($INSUNITS 4294967300)"},
        {"units_2147483648", "Unidade de desenho não suportada ($INSUNITS 2147483648)"},
        {"x_nan", "A entidade LINE da linha 6 tem um número inválido na linha 10: \"nan\""},
        {"x_inf", "A entidade LINE da linha 6 tem um número inválido na linha 10: \"inf\""},
        {"x_abc", "A entidade LINE da linha 6 tem um número inválido na linha 10: \"abc\""},
        {"x_empty", "A entidade LINE da linha 6 tem um número inválido na linha 10: \"\""},
        {"count_missing_after_another",
         "A entidade LWPOLYLINE da linha 18 não diz quantos vértices tem (código 90)"},
        {"count_below_vertices", "A entidade LWPOLYLINE da linha 6 diz ter 2 vértices e dá 3"},
        {"width_1e308",
         "A entidade LWPOLYLINE da linha 6 tem a largura de 1e+308 mm, maior que os 400 mm da "
         "área"},
        // Written whole (Python's '%.0f' % 1e308), not cut.
        {"x_1e308",
         "O desenho mede "
         "1000000000000000010979063629440455417404923096773118463368106829031575854049114915371633"
         "2897849468889906124966972117251561159028374314008832830700919814604603127166450293302718"
         "5697489699588559043338384466165001178426897626212945177628091195786707458122783970171784"
         "415105291802893207873272974885715430223118336 × 0 mm e não cabe na área de 400 × 250 mm"},
    };
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(file);
        try {
            Import(file);
            ADD_FAILURE() << "imported";
        } catch (const PerfilError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

// Inputs kept with the fuzz target: valid_* import, refused_* are refused as incomplete.
TEST(DxfImport, FuzzSeeds) {
    for (const auto& entry : fs::directory_iterator(PERFIL_DXF_SEEDS)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        if (name.starts_with("valid_")) {
            EXPECT_NO_THROW(ImportDxfFile(entry.path().string(), DefaultThickness));
        } else {
            try {
                ImportDxfFile(entry.path().string(), DefaultThickness);
                ADD_FAILURE() << "imported";
            } catch (const PerfilError& e) {
                EXPECT_STREQ(e.what(), "O arquivo não é um desenho DXF completo");
            }
        }
    }
}

TEST(DxfImport, NoticeNamesWhatWasNotTakenAsIs) {
    struct Case {
        std::size_t made;
        int straightened, skipped;
        const char* notice;
    };
    const Case cases[] = {
        {1, 1, 1,
         "1 objeto importado do desenho DXF; 1 arco tomado como barra reta; "
         "1 entidade ignorada"},
        {12, 2, 3,
         "12 objetos importados do desenho DXF; 2 arcos tomados como barras retas; "
         "3 entidades ignoradas"},
    };
    for (const Case& c : cases) {
        TDxfImport import;
        import.Records.resize(c.made);
        import.Straightened = c.straightened;
        import.Skipped = c.skipped;
        EXPECT_EQ(ImportNotice(import), c.notice);
    }
}

} // namespace
