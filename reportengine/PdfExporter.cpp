#include "PdfExporter.h"

#include "PageRenderer.h"
#include "ReportError.h"
#include "ReportFileBytes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr int Resolution = 1200; // dpi of the PDF's coordinate space
} // namespace

QByteArray PdfExporter::render(const ReportDocument& document) {
    if (document.pages.isEmpty())
        throw ReportError(QStringLiteral("O relatório não tem páginas para gravar."));
    // Qt's PDF writer drops the errors of the device it writes to, so it only ever
    // writes to memory; the file is written afterwards with every step checked.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        writer.setTitle(document.title);
        writer.setCreator(QCoreApplication::applicationName());
        PageRenderer::preparePages(writer, document);
        QPainter painter;
        if (!painter.begin(&writer))
            throw ReportError(QStringLiteral("O gerador de PDF não iniciou."));
        PageRenderer::paintDocument(painter, writer, document);
        painter.end();
    }
    return pdf;
}

void PdfExporter::write(const ReportDocument& document, const std::string& localPath) {
    WriteReportFile(localPath, render(document),
                    QStringLiteral("Não foi possível gravar o PDF \"%1\": %2."));
}
