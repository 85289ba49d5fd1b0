#include "ReportElement.h"

ReportElement::ReportElement(const QString& name, QPointF position)
    : m_name(name), m_position(position) {}

ReportElement::~ReportElement() = default;
