#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

// Reads a real PDF back with poppler's command-line tools, as a user's viewer would see it.
// Every function returns an empty result when the tool fails, so callers' checks fail.
namespace PdfTools {

struct Word {
    QString text;
    QRectF box; // mm from the page's top-left corner
};

// pdftotext -layout: the text of all pages, each ended by a form feed.
QString text(const QString& pdf);

// pdftotext -bbox: the words of one page (1-based) with their boxes.
QList<Word> words(const QString& pdf, int page);

// pdftoppm: one page rendered at dpi.
QImage page(const QString& pdf, int page, int dpi);

} // namespace PdfTools
