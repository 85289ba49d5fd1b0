#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

// One drawing operation of a produced page, in millimetres from the paper's top-left corner,
// so that a page can be replayed on any device (screen, printer, PDF) and saved to a file.
// A plain value: it owns copies of its text and image.
struct PageItem {
    enum class Kind : quint8 { Text = 1, Line = 2, Rectangle = 3, Image = 4 };

    Kind kind = Kind::Text;
    QRectF frame;       // text: its top-left corner; line: from left to right end; else the frame
    QColor color;       // pen or text colour
    QColor fill;        // brush, or the text's background; invalid = transparent
    qreal penWidth = 0; // mm
    bool dashed = false;
    QString text;
    QString fontFamily;
    qreal pointSize = 0;
    bool bold = false;
    QImage image;     // always ARGB32, drawn from frame's top-left at imageSize, clipped to frame
    QSizeF imageSize; // mm

    friend bool operator==(const PageItem&, const PageItem&) = default;
};
