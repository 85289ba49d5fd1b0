#include "ReportBand.h"

#include <algorithm>

ReportBand::ReportBand(const QString& name, Kind kind, qreal height)
    : m_name(name), m_kind(kind), m_height(height) {}

ReportElement* ReportBand::element(const QString& name) const {
    for (const auto& element : m_elements)
        if (element->name() == name)
            return element.get();
    return nullptr;
}

std::optional<qreal> ReportBand::elementsTop() const {
    std::optional<qreal> top;
    for (const auto& element : m_elements)
        top = std::min(top.value_or(element->position().y()), element->position().y());
    return top;
}

void ReportBand::record(ReportPage& page, QPointF origin, const PrintContext& context) const {
    for (const auto& element : m_elements)
        element->record(page, origin, context);
}
