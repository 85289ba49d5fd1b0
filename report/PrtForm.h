#pragma once

#include "ProfileReportLayout.h"
#include "Report.h"
#include "SectionProperties.h"

#include <QImage>
#include <QLocale>
#include <QObject>

#include <QString>
#include <string>

#include <optional>

// The report form: holds the profile report ProfileReport and its handlers. It owns no
// profile data: producePages() and writePdf() bind the editor's live profile (read afresh by
// every run, including a print started later from an open preview) and keep copies of the
// results and of the drawing as they were at the print command. The profile must outlive
// the form, or at least every run of its report.
class TPrtForm : public QObject {
    Q_OBJECT

  public:
    // locale writes every number, date and time of the report.
    explicit TPrtForm(const QLocale& locale, QObject* parent = nullptr);
    ~TPrtForm() override;

    // Binds the live profile, the results and the drawing copy, then runs the report once;
    // its pages. An empty profile gives no page.
    ReportDocument producePages(const TProfile& profile, const TSectionResults& results,
                                const QImage& drawing);

    // The same run, written as a PDF to localPath, the file name's bytes ("-": standard
    // output), through the safe file writing of FileBytes.h; throws PerfilError
    // (model/PerfilError.h) with a readable message on failure. Works without a display
    // (QT_QPA_PLATFORM=offscreen).
    void writePdf(const TProfile& profile, const TSectionResults& results, const QImage& drawing,
                  const std::string& localPath);

    // The file the profile was loaded from or saved to, whose base name the report prints
    // for a profile without a name; empty when there is none.
    void setProfileFileName(const QString& fileName) { m_fileName = fileName; }

    // The handlers the engine calls during a run.
    void ProfileReportBeforePrint(bool& PrintReport);
    void ProfileReportNeedData(bool& MoreData);
    void RepBand3BeforePrint(bool& PrintBand);
    void RepSubDetail1NeedData(bool& MoreData);
    void RepSubDetail2BeforePrint(bool& PrintBand);
    void RepSubDetail3NeedData(bool& MoreData);

    Report ProfileReport{QStringLiteral("Perfil")};
    // 1-based index into the profile's objects of the next object to look at; shared by the
    // record loop, the bar rows and the appendix rows of a run, in that order.
    int RowIndex = 1;

  private:
    void bind(const TProfile& profile, const TSectionResults& results, const QImage& drawing);
    void advance(TObjectKind kind);
    bool fillRow(TObjectKind kind, const std::array<ProfileReportLayout::Slot, 3>& row);
    void writeSlot(const ProfileReportLayout::Slot& slot, const QStringList& texts);

    QLocale m_locale;
    ProfileReportLayout m_layout;
    // The table whose rows are printing, whose column heads a new page repeats; none
    // between the tables.
    std::optional<TObjectKind> m_rowsOf;
    const TProfile* m_profile = nullptr;
    TSectionResults m_results;
    QString m_fileName;
};
