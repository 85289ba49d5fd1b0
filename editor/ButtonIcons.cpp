#include "ButtonIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int Side = 16;

void DrawBarTool(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(2, 2, 13, 13);
}

void DrawAppendixTool(QPainter& p) {
    p.setPen(QPen(Qt::blue, 2));
    p.drawRect(5, 5, 6, 6);
}

void DrawRemove(QPainter& p) {
    p.setPen(QPen(Qt::darkRed, 2));
    p.drawLine(3, 3, 12, 12);
    p.drawLine(12, 3, 3, 12);
}

void DrawLoad(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(128, 128, 0));
    p.drawPolygon(QPolygon({{1, 3}, {6, 3}, {7, 5}, {13, 5}, {13, 13}, {1, 13}}));
    p.setBrush(Qt::yellow);
    p.drawPolygon(QPolygon({{3, 7}, {15, 7}, {13, 13}, {1, 13}}));
}

void DrawSave(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(4, 9, 7, 5);
}

void DrawNewProfile(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({{2, 1}, {10, 1}, {13, 4}, {13, 14}, {2, 14}}));
    p.setPen(QPen(QColor(255, 200, 0), 1));
    p.drawLine(12, 0, 12, 6);
    p.drawLine(9, 3, 15, 3);
    p.drawLine(10, 1, 14, 5);
    p.drawLine(14, 1, 10, 5);
}

void DrawPrint(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 6);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 6, 14, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 8, 5);
    p.setPen(Qt::green);
    p.drawPoint(13, 8);
}

void DrawRefresh(QPainter& p) {
    p.setPen(QPen(QColor(0, 128, 0), 2));
    p.drawArc(QRect(2, 2, 12, 12), 90 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    p.drawPolygon(QPolygon({{8, 0}, {12, 3}, {8, 6}}));
}

void DrawProperties(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(2, 1, 12, 3);
    p.drawRect(7, 4, 2, 8);
    p.drawRect(2, 12, 12, 3);
    p.setPen(QPen(Qt::red, 1));
    p.drawLine(4, 8, 12, 8);
}

void DrawStandardSection(QPainter& p) {
    p.setPen(QPen(QColor(64, 64, 64), 2));
    p.drawPolyline(QPolygon({{12, 6}, {12, 2}, {3, 2}, {3, 13}, {12, 13}, {12, 9}}));
}

void Draw(QPainter& p, ButtonPicture picture) {
    switch (picture) {
    case ButtonPicture::BarTool:
        return DrawBarTool(p);
    case ButtonPicture::AppendixTool:
        return DrawAppendixTool(p);
    case ButtonPicture::Remove:
        return DrawRemove(p);
    case ButtonPicture::Load:
        return DrawLoad(p);
    case ButtonPicture::Save:
        return DrawSave(p);
    case ButtonPicture::NewProfile:
        return DrawNewProfile(p);
    case ButtonPicture::Print:
        return DrawPrint(p);
    case ButtonPicture::Refresh:
        return DrawRefresh(p);
    case ButtonPicture::Properties:
        return DrawProperties(p);
    case ButtonPicture::StandardSection:
        return DrawStandardSection(p);
    }
}

} // namespace

QIcon ButtonIcon(ButtonPicture picture) {
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Draw(painter, picture);
    painter.end();
    // QIcon derives the greyed picture of a disabled button from this one.
    return QIcon(pixmap);
}
