#include "PrtForm.h"

#include "ExactPoint.h"
#include "PdfExporter.h"
#include "PerfilError.h"
#include "ReportError.h"
#include "ReportImage.h"
#include "ReportLabel.h"
#include "ReportTexts.h"

#include <algorithm>

namespace {

// Points with fractions need the tables' closer columns.
bool HasFractions(const TProfile& profile) {
    return std::ranges::any_of(profile.liveObjects(), [](const TProfileObject& o) {
        return (o.isBar() && HasFraction(o)) || (o.isAppendix() && o.F1 != TPointFraction{});
    });
}

} // namespace

TPrtForm::TPrtForm(const QLocale& locale, QObject* parent) : QObject(parent), m_locale(locale) {
    m_layout = ProfileReportLayout::build(ProfileReport);
    ProfileReport.setLocale(locale);
    ProfileReport.beforePrint = [this](bool& print) { ProfileReportBeforePrint(print); };
    ProfileReport.needData = [this](bool& more) { ProfileReportNeedData(more); };
    m_layout.RepBand3->beforePrint = [this](bool& print) { RepBand3BeforePrint(print); };
    m_layout.RepSubDetail1->needData = [this](bool& more) { RepSubDetail1NeedData(more); };
    m_layout.RepSubDetail3->needData = [this](bool& more) { RepSubDetail3NeedData(more); };
    m_layout.RepSubDetail2->beforePrint = [this](bool& print) { RepSubDetail2BeforePrint(print); };
    m_layout.RepBarHeads->beforePrint = [this](bool& print) { print = m_rowsOf == okBar; };
    m_layout.RepAppendixHeads->beforePrint = [this](bool& print) {
        print = m_rowsOf == okAppendix;
    };
}

TPrtForm::~TPrtForm() = default;

void TPrtForm::bind(const TProfile& profile, const TSectionResults& results,
                    const QImage& drawing) {
    m_profile = &profile;
    m_results = results;
    m_layout.RepImage1->setImage(drawing);
}

void TPrtForm::writePdf(const TProfile& profile, const TSectionResults& results,
                        const QImage& drawing, const std::string& localPath) {
    try {
        PdfExporter::write(producePages(profile, results, drawing), localPath);
    } catch (const ReportError& error) {
        throw PerfilError(error.what());
    }
}

ReportDocument TPrtForm::producePages(const TProfile& profile, const TSectionResults& results,
                                      const QImage& drawing) {
    bind(profile, results, drawing);
    return ProfileReport.run();
}

void TPrtForm::ProfileReportBeforePrint([[maybe_unused]] bool& PrintReport) {
    RowIndex = 1;
    m_layout.useFractionColumns(HasFractions(*m_profile));
    m_rowsOf.reset();
}

void TPrtForm::ProfileReportNeedData(bool& MoreData) {
    MoreData = m_profile->ObjectCount() >= RowIndex;
}

void TPrtForm::RepBand3BeforePrint([[maybe_unused]] bool& PrintBand) {
    m_layout.RepLabel5->setText(ReportTexts::profileName(m_profile->info().Name, m_fileName));
    m_layout.RepLabelBends->setText(ReportTexts::bends(m_profile->info().BendRadius, m_locale));
    const QStringList texts = ReportTexts::sectionResults(m_results, m_locale);
    for (std::size_t i = 0; i < m_layout.resultLabels.size(); ++i)
        m_layout.resultLabels[i]->setText(texts[static_cast<qsizetype>(i)]);
}

void TPrtForm::RepSubDetail1NeedData(bool& MoreData) {
    MoreData = fillRow(okBar, m_layout.barSlots);
    if (!MoreData)
        RowIndex = 1; // the appendix rows search from the first object
}

// A heading over no row would only say that there is nothing.
void TPrtForm::RepSubDetail2BeforePrint(bool& PrintBand) {
    const auto objects = m_profile->liveObjects();
    PrintBand = std::any_of(objects.begin(), objects.end(),
                            [](const TProfileObject& o) { return o.Kind == okAppendix; });
}

void TPrtForm::RepSubDetail3NeedData(bool& MoreData) {
    // Left past the last object, RowIndex also ends the report's record loop.
    MoreData = fillRow(okAppendix, m_layout.appendixSlots);
}

void TPrtForm::advance(TObjectKind kind) {
    while (RowIndex <= m_profile->ObjectCount() && m_profile->Objects(RowIndex).Kind != kind)
        ++RowIndex;
}

// Fills the three slots of one row with the next objects of this kind; true when the row
// prints, which is exactly when its first slot found one. Only the last row can have empty
// slots; a row that does not print leaves its first slot as it was.
bool TPrtForm::fillRow(TObjectKind kind, const std::array<ProfileReportLayout::Slot, 3>& row) {
    const auto texts = [&](const TProfileObject& object) {
        return kind == okBar ? ReportTexts::barTexts(object, m_locale)
                             : ReportTexts::appendixTexts(object, m_locale);
    };
    const int count = m_profile->ObjectCount();
    advance(kind);
    if (RowIndex <= count)
        writeSlot(row[0], texts(m_profile->Objects(RowIndex)));
    for (std::size_t s = 1; s < row.size(); ++s) {
        ++RowIndex;
        advance(kind);
        writeSlot(row[s], RowIndex <= count ? texts(m_profile->Objects(RowIndex)) : QStringList());
    }
    ++RowIndex;
    const bool prints = RowIndex <= count + 3;
    m_rowsOf = prints ? std::optional(kind) : std::nullopt;
    return prints;
}

void TPrtForm::writeSlot(const ProfileReportLayout::Slot& slot, const QStringList& texts) {
    for (std::size_t i = 0; i < slot.size(); ++i)
        slot[i]->setText(texts.value(static_cast<qsizetype>(i)));
}
