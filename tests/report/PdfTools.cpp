#include "PdfTools.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

constexpr qreal MmPerPoint = 25.4 / 72.0;

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

qreal attribute(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toDouble() * MmPerPoint;
}

} // namespace

QString PdfTools::text(const QString& pdf) {
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}));
}

QList<PdfTools::Word> PdfTools::words(const QString& pdf, int page) {
    const QString p = QString::number(page);
    QXmlStreamReader xml(run(QStringLiteral("pdftotext"), {"-bbox", "-f", p, "-l", p, pdf, "-"}));
    QList<Word> result;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("word"))
            continue;
        const QPointF topLeft(attribute(xml, "xMin"), attribute(xml, "yMin"));
        const QPointF bottomRight(attribute(xml, "xMax"), attribute(xml, "yMax"));
        result.append({xml.readElementText(), QRectF(topLeft, bottomRight)});
    }
    return result;
}

QImage PdfTools::page(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString p = QString::number(page);
    run(QStringLiteral("pdftoppm"),
        {"-png", "-r", QString::number(dpi), "-f", p, "-l", p, "-singlefile", pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}
