#include "ReportPreview.h"

#include "PageFile.h"
#include "PageRenderer.h"
#include "PdfExporter.h"
#include "PreviewDialogs.h"
#include "Report.h"
#include "ReportError.h"

#include <QAction>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

namespace {
const QString PageFileFilter = QStringLiteral("Páginas de relatório (*.pag)");
const QString PdfFilter = QStringLiteral("Documento PDF (*.pdf)");
// Where a button's short text needs a longer explanation.
const QHash<QString, QString> ToolTips = {
    {QStringLiteral("fitWidth"), QStringLiteral("Ajustar à largura da página")},
    {QStringLiteral("printerSetup"), QStringLiteral("Configurar impressora")},
    {QStringLiteral("savePages"), QStringLiteral("Salvar as páginas em arquivo")},
    {QStringLiteral("loadPages"), QStringLiteral("Abrir páginas salvas")},
    {QStringLiteral("exportPdf"), QStringLiteral("Gravar as páginas como PDF")},
};
} // namespace

ReportPreview::ReportPreview(Report& report, PreviewDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_report(report), m_dialogs(dialogs) {
    setWindowTitle(report.title());
    // The window that owns the application's life is the caller's, not this one.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_printer.setDocName(report.title());
    m_printer.setCopyCount(1);
    m_printer.setDuplex(QPrinter::DuplexNone);
    m_printer.setPrintRange(QPrinter::AllPages);
    m_printer.setFullPage(true);
    m_document.paperSize = report.paperSize();
    PageRenderer::preparePages(m_printer, m_document);

    m_view = new QPrintPreviewWidget(&m_printer, this);
    setCentralWidget(m_view);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPages);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::updatePageLabel);
    buildToolBar();
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::buildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Visualização"));
    bar->setMovable(false);
    addCommand(bar, QStringLiteral("zoomIn"), QStringLiteral("Ampliar"), QKeySequence::ZoomIn,
               [this] { m_view->zoomIn(); });
    addCommand(bar, QStringLiteral("zoomOut"), QStringLiteral("Reduzir"), QKeySequence::ZoomOut,
               [this] { m_view->zoomOut(); });
    addCommand(bar, QStringLiteral("fitWidth"), QStringLiteral("Largura"), {},
               [this] { m_view->fitToWidth(); });
    // The view does not fit a page that already lies wholly in sight, as after "Reduzir";
    // fitted to the width first, it always fits it anew.
    addCommand(bar, QStringLiteral("fitPage"), QStringLiteral("Página inteira"), {}, [this] {
        m_view->fitToWidth();
        m_view->fitInView();
    });
    bar->addSeparator();
    addCommand(bar, QStringLiteral("firstPage"), QStringLiteral("Primeira"), Qt::Key_Home,
               [this] { goToPage(1); });
    addCommand(bar, QStringLiteral("previousPage"), QStringLiteral("Anterior"), Qt::Key_PageUp,
               [this] { goToPage(currentPage() - 1); });
    m_pageLabel = new QLabel(bar);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_pageLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(m_pageLabel);
    addCommand(bar, QStringLiteral("nextPage"), QStringLiteral("Próxima"), Qt::Key_PageDown,
               [this] { goToPage(currentPage() + 1); });
    addCommand(bar, QStringLiteral("lastPage"), QStringLiteral("Última"), Qt::Key_End,
               [this] { goToPage(pageCount()); });
    bar->addSeparator();
    addCommand(bar, QStringLiteral("printerSetup"), QStringLiteral("Impressora"), {},
               [this] { setupPrinter(); });
    addCommand(bar, QStringLiteral("print"), QStringLiteral("Imprimir"), QKeySequence::Print,
               [this] { printReport(); });
    bar->addSeparator();
    addCommand(bar, QStringLiteral("savePages"), QStringLiteral("Salvar"), QKeySequence::Save,
               [this] { savePages(); });
    addCommand(bar, QStringLiteral("loadPages"), QStringLiteral("Abrir"), QKeySequence::Open,
               [this] { loadPages(); });
    addCommand(bar, QStringLiteral("exportPdf"), QStringLiteral("Exportar PDF"), {},
               [this] { exportPdf(); });
    bar->addSeparator();
    addCommand(bar, QStringLiteral("close"), QStringLiteral("Fechar"), QKeySequence::Close, [this] {
        close();
    })->setShortcuts({QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)});
    updatePageLabel();
}

QAction* ReportPreview::addCommand(QToolBar* bar, const QString& name, const QString& text,
                                   const QKeySequence& shortcut,
                                   const std::function<void()>& command) {
    QAction* action = bar->addAction(text);
    action->setObjectName(name);
    action->setToolTip(ToolTips.value(name, text));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void ReportPreview::showDocument(const ReportDocument& document) {
    setDocument(document);
    // Without a window manager (or before it acts) maximizing does nothing; the screen's
    // free area is the same size.
    if (!isVisible())
        setGeometry(screen()->availableGeometry());
    showMaximized();
    raise();
    activateWindow();
}

void ReportPreview::setDocument(const ReportDocument& document) {
    m_document = document;
    m_view->updatePreview();
    goToPage(1);
    updatePageLabel();
}

int ReportPreview::currentPage() const {
    return pageCount() == 0 ? 0 : m_view->currentPage();
}

int ReportPreview::pageCount() const {
    return m_view->pageCount();
}

void ReportPreview::goToPage(int page) {
    if (page >= 1 && page <= pageCount())
        m_view->setCurrentPage(page);
    updatePageLabel();
}

void ReportPreview::paintPages(QPrinter* printer) {
    if (m_document.pages.isEmpty())
        return;
    QPainter painter(printer);
    PageRenderer::paintDocument(painter, *printer, m_document);
}

void ReportPreview::updatePageLabel() {
    m_pageLabel->setText(
        pageCount() == 0 ? QStringLiteral("Sem páginas")
                         : QStringLiteral("Página %1 de %2").arg(currentPage()).arg(pageCount()));
}

// The dialogs may turn the paper or change its size; the report's pages keep theirs, or a
// landscape page would cut them off.
void ReportPreview::setupPrinter() {
    m_dialogs.setupPrinter(this, m_printer);
    PageRenderer::preparePages(m_printer, m_document);
    m_view->updatePreview();
}

void ReportPreview::printReport() {
    const bool confirmed = m_dialogs.confirmPrint(this, m_printer);
    PageRenderer::preparePages(m_printer, m_document);
    if (!confirmed)
        return;
    const ReportDocument run = chosenPages(m_report.run());
    if (run.pages.isEmpty())
        return;
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        m_dialogs.showError(this, QStringLiteral("Não foi possível iniciar a impressão."));
        return;
    }
    PageRenderer::paintDocument(painter, m_printer, run);
}

// The pages and copies chosen in the print dialog; copies only where the printer cannot
// make them itself.
ReportDocument ReportPreview::chosenPages(const ReportDocument& run) const {
    ReportDocument chosen = run;
    if (m_printer.printRange() == QPrinter::PageRange && m_printer.fromPage() > 0) {
        const int from = m_printer.fromPage();
        const int to = std::max(from, m_printer.toPage());
        chosen.pages = run.pages.mid(from - 1, to - from + 1);
    }
    if (!m_printer.supportsMultipleCopies()) {
        const QList<ReportPage> once = chosen.pages;
        for (int copy = 1; copy < m_printer.copyCount(); ++copy)
            chosen.pages += once;
    }
    return chosen;
}

void ReportPreview::savePages() {
    const QString path = m_dialogs.saveFile(this, QStringLiteral("Salvar páginas"), PageFileFilter,
                                            QStringLiteral("pag"));
    if (path.isEmpty())
        return;
    try {
        PageFile::save(m_document, path);
    } catch (const ReportError& error) {
        m_dialogs.showError(this, error.message());
    }
}

void ReportPreview::loadPages() {
    const QString path = m_dialogs.openFile(this, QStringLiteral("Abrir páginas"), PageFileFilter);
    if (path.isEmpty())
        return;
    try {
        const ReportDocument loaded = PageFile::load(path);
        PageRenderer::preparePages(m_printer, loaded);
        setDocument(loaded);
    } catch (const ReportError& error) {
        m_dialogs.showError(this, error.message());
    }
}

void ReportPreview::exportPdf() {
    const QString path =
        m_dialogs.saveFile(this, QStringLiteral("Exportar PDF"), PdfFilter, QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    try {
        PdfExporter::write(m_document, QFile::encodeName(path).toStdString());
    } catch (const ReportError& error) {
        m_dialogs.showError(this, error.message());
    }
}
