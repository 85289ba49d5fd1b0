#include "PdfExporter.h"

#include "PageRenderer.h"
#include "ReportError.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
constexpr int Resolution = 1200; // dpi of the PDF's coordinate space

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw ReportError(
        QStringLiteral("Não foi possível gravar o PDF \"%1\": %2.").arg(path, reason));
}
} // namespace

void PdfExporter::write(const ReportDocument& document, const QString& path) {
    if (document.pages.isEmpty())
        throw ReportError(QStringLiteral("O relatório não tem páginas para gravar."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(Resolution);
        writer.setTitle(document.title);
        writer.setCreator(QCoreApplication::applicationName());
        PageRenderer::preparePages(writer, document);
        QPainter painter;
        if (!painter.begin(&writer))
            fail(path, QStringLiteral("o gerador de PDF não iniciou"));
        PageRenderer::paintDocument(painter, writer, document);
        painter.end();
    }
    if (!file.commit())
        fail(path, file.errorString());
}
