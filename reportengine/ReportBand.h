#pragma once

#include "ReportElement.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A horizontal strip of fixed height that the run prints whole, never split across pages.
// The band owns its elements. Callbacks are called on the run's thread:
//  - beforePrint(printBand) just before each print, printBand true on entry; leaving it false
//    skips this print. Texts written here are the ones printed.
//  - needData(moreData), sub-detail bands only: the band prints once per call that leaves
//    moreData true. moreData is true on the first call of a record and false on the later ones.
// A sub-detail band without needData prints once per record when printWhenEmpty is set and
// never otherwise.
// A page header band prints at the top of every page after the first, which the title bands
// head, before the band that began the page; leaving printBand false skips it on that page.
// A Page band holds the page elements: positioned on the paper itself and drawn at the end of
// every page. Bands stop above the highest of them, so that no band lies under them.
class ReportBand {
  public:
    enum class Kind { Title, Detail, SubDetail, Page, PageHeader };

    ReportBand(const QString& name, Kind kind, qreal height);
    ReportBand(const ReportBand&) = delete;
    ReportBand& operator=(const ReportBand&) = delete;

    const QString& name() const { return m_name; }
    Kind kind() const { return m_kind; }
    qreal height() const { return m_height; } // mm

    // Creates an element on this band; the reference stays valid as long as the band.
    template <typename Element, typename... Args> Element& add(Args&&... args) {
        auto element = std::make_unique<Element>(std::forward<Args>(args)...);
        Element& result = *element;
        m_elements.push_back(std::move(element));
        return result;
    }

    // The element with this name, or nullptr.
    ReportElement* element(const QString& name) const;

    // The smallest y of its elements' positions (mm); nothing when it has none.
    std::optional<qreal> elementsTop() const;

    // Appends the band's elements to page, the band's top-left corner at origin (mm).
    void record(ReportPage& page, QPointF origin, const PrintContext& context) const;

    std::function<void(bool& printBand)> beforePrint;
    std::function<void(bool& moreData)> needData;
    bool printWhenEmpty = false;

  private:
    QString m_name;
    Kind m_kind;
    qreal m_height;
    std::vector<std::unique_ptr<ReportElement>> m_elements;
};
