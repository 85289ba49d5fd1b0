#include "SectionPicture.h"

#include "Profile.h"
#include "SectionDrawing.h"

#include <QPainter>

SectionPicture::SectionPicture(const TProfile& profile, QWidget* parent)
    : QWidget(parent), m_profile(profile) {
    setMinimumSize(160, 120);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void SectionPicture::setResults(const TEngineeringResults& results) {
    m_results = results;
    update();
}

void SectionPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSection(painter, rect(), m_profile, m_results);
}
