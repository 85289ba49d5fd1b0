#pragma once

#include <array>

class Report;
class ReportBand;
class ReportImage;
class ReportLabel;

// The layout of "Relatório de engenharia" on A4: a heading; the profile's name, material
// and load; the picture of the section; a line per property; the signature curve with its
// named points and the buckled shapes at them; a line per design strength; the page
// number and date at the foot of every page. Keeps the elements the report's handlers
// write; they belong to the report and live as long as it does.
struct EngineeringReportLayout {
    ReportLabel* Name = nullptr;
    ReportLabel* Material = nullptr;
    ReportLabel* Load = nullptr;
    ReportImage* Section = nullptr;

    ReportBand* PropertyRow = nullptr; // one per property, a group's title in bold
    ReportLabel* GroupTitle = nullptr;
    std::array<ReportLabel*, 4> Property{}; // symbol, value, unit, name

    ReportImage* Curve = nullptr;
    std::array<ReportLabel*, 3> MarkTexts{}; // the named points, as many as there are
    std::array<ReportImage*, 3> Shapes{};
    std::array<ReportLabel*, 3> ShapeTitles{};

    ReportBand* StrengthRow = nullptr;      // one per design strength
    std::array<ReportLabel*, 4> Strength{}; // symbol, value, unit, name

    // Sets up report's page and builds the layout into it; call once on an empty report.
    static EngineeringReportLayout build(Report& report);
};
