#pragma once

#include <QtGlobal>

#include <array>
#include <vector>

class Report;
class ReportBand;
class ReportImage;
class ReportLabel;

// The layout of the profile report: builds its bands and page elements, every element named
// and placed as on the printed form, and keeps the ones that the report's handlers write.
// The pointers belong to the report they were built into and live as long as it does.
struct ProfileReportLayout {
    // The labels of one table slot, in the order of the slot's texts.
    using Slot = std::vector<ReportLabel*>;

    ReportBand* RepBand1 = nullptr;
    ReportBand* RepBand3 = nullptr;
    ReportBand* RepSubDetail1 = nullptr;
    ReportBand* RepSubDetail2 = nullptr;
    ReportBand* RepSubDetail3 = nullptr;
    // The heads of every page after the first: the page number, then the column heads of the
    // table whose rows go on there.
    ReportBand* RepPageHeader = nullptr;
    ReportBand* RepBarHeads = nullptr;
    ReportBand* RepAppendixHeads = nullptr;

    ReportLabel* RepLabel5 = nullptr; // the profile's name
    ReportLabel* RepLabelBends = nullptr; // the bends' inner radius; empty for sharp corners
    // RepLabel8, 10, 11, 12 .. 17: the result lines in their band order.
    std::array<ReportLabel*, 9> resultLabels{};
    std::array<Slot, 3> barSlots;      // number, P1, P2, thickness
    std::array<Slot, 3> appendixSlots; // number, point, thickness
    ReportImage* RepImage1 = nullptr;

    // Sets up report's page and builds the layout into it; call once on an empty report.
    static ProfileReportLayout build(Report& report);

    // The tables' columns as the form places them (points in whole millimetres), or set
    // closer in a smaller font, so that three slots of points with two decimals fit a row.
    void useFractionColumns(bool fractions) const;

    // A label of the tables, its heads included, with its place in either arrangement.
    struct Column {
        ReportLabel* label;
        qreal wholeX, fractionX;
    };
    std::vector<Column> columns;
};
