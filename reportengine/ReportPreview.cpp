#include "ReportPreview.h"

#include "PageFile.h"
#include "PageRenderer.h"
#include "PageView.h"
#include "PdfExporter.h"
#include "PreviewDialogs.h"
#include "Report.h"
#include "ReportError.h"

#include <QAction>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
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

    m_view = new PageView(this);
    ReportDocument noPages;
    noPages.paperSize = report.paperSize();
    m_view->setDocument(noPages);
    setCentralWidget(m_view);
    connect(m_view, &PageView::currentPageChanged, this, &ReportPreview::updatePageLabel);
    buildToolBar();
}

// Made when the user first asks for the printer, since making it loads the print system;
// it keeps the user's choices for later prints from this window.
QPrinter& ReportPreview::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(m_report.title());
        m_printer->setCopyCount(1);
        m_printer->setDuplex(QPrinter::DuplexNone);
        m_printer->setPrintRange(QPrinter::AllPages);
        m_printer->setFullPage(true);
    }
    PageRenderer::preparePages(*m_printer, document());
    return *m_printer;
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
    addCommand(bar, QStringLiteral("fitPage"), QStringLiteral("Página inteira"), {},
               [this] { m_view->fitInView(); });
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

const ReportDocument& ReportPreview::document() const {
    return m_view->document();
}

void ReportPreview::setDocument(const ReportDocument& document) {
    m_view->setDocument(document);
}

int ReportPreview::currentPage() const {
    return m_view->currentPage();
}

int ReportPreview::pageCount() const {
    return m_view->pageCount();
}

void ReportPreview::goToPage(int page) {
    m_view->setCurrentPage(page);
}

void ReportPreview::updatePageLabel() {
    m_pageLabel->setText(
        pageCount() == 0 ? QStringLiteral("Sem páginas")
                         : QStringLiteral("Página %1 de %2").arg(currentPage()).arg(pageCount()));
}

// The dialogs may turn the paper or change its size; the report's pages keep theirs, or a
// landscape page would cut them off: printer() gives the report's paper back each time.
void ReportPreview::setupPrinter() {
    m_dialogs.setupPrinter(this, printer());
}

void ReportPreview::printReport() {
    const bool confirmed = m_dialogs.confirmPrint(this, printer());
    if (!confirmed)
        return;
    const ReportDocument run = chosenPages(m_report.run());
    if (run.pages.isEmpty())
        return;
    QPrinter& device = printer();
    QPainter painter;
    if (!painter.begin(&device)) {
        m_dialogs.showError(this, QStringLiteral("Não foi possível iniciar a impressão."));
        return;
    }
    PageRenderer::paintDocument(painter, device, run);
}

// The pages and copies chosen in the print dialog; copies only where the printer cannot
// make them itself.
ReportDocument ReportPreview::chosenPages(const ReportDocument& run) const {
    ReportDocument chosen = run;
    const QPrinter& device = *m_printer;
    if (device.printRange() == QPrinter::PageRange && device.fromPage() > 0) {
        const int from = device.fromPage();
        const int to = std::max(from, device.toPage());
        chosen.pages = run.pages.mid(from - 1, to - from + 1);
    }
    if (!device.supportsMultipleCopies()) {
        const QList<ReportPage> once = chosen.pages;
        for (int copy = 1; copy < device.copyCount(); ++copy)
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
        PageFile::save(document(), path);
    } catch (const ReportError& error) {
        m_dialogs.showError(this, error.message());
    }
}

void ReportPreview::loadPages() {
    const QString path = m_dialogs.openFile(this, QStringLiteral("Abrir páginas"), PageFileFilter);
    if (path.isEmpty())
        return;
    try {
        setDocument(PageFile::load(path));
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
        PdfExporter::write(document(), QFile::encodeName(path).toStdString());
    } catch (const ReportError& error) {
        m_dialogs.showError(this, error.message());
    }
}
