// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "weekly_menu/menu_output.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextOption>
#include <QWidget>

#include <algorithm>

#include "toolkit/qt_text.h"

namespace galvix::weekly_menu {

namespace {

// The week is laid out at 10 points and then made as large as fits the page, from one and a half
// times that (readable across a mess room) down; below the smallest tried the table is simply
// shrunk until it fits.
constexpr int BodyPointSize = 10;
constexpr qreal LargestScale = 1.5;
constexpr qreal SmallestTriedScale = 0.3;
constexpr qreal ScaleStep = 0.95;
constexpr qreal PdfMarginMillimetres = 15;

// Lays the document out for `device` at the largest scale at which the whole of it fits the page's
// printable area (a smaller scale lays it out wider, so long cells take fewer lines), and paints it
// there in black on the paper whatever the desktop's colour theme.
void paintPage(QPainter& painter, QPagedPaintDevice& device, const QString& html)
{
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(QFont(QApplication::font().family(), BodyPointSize));
    QTextOption option = document.defaultTextOption();
    // A long word without blanks breaks where it must rather than widening its column off the page.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setHtml(html);

    const QSizeF available = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    qreal scale = LargestScale;
    for (qreal tried = LargestScale;; tried *= ScaleStep) {
        document.setTextWidth(available.width() / tried);
        const QSizeF size = document.size();
        const qreal fits = std::min(available.width() / size.width(), available.height() / size.height());
        // A tiny tolerance, as a full-width table comes out exactly as wide as the page.
        if (fits >= tried * 0.999 || tried * ScaleStep < SmallestTriedScale) {
            scale = std::min(tried, fits);
            break;
        }
    }

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.save();
    painter.scale(scale, scale);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

// One page per copy, for printers that cannot make the copies themselves.
bool paintPages(QPagedPaintDevice& device, const QString& html, int copies)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage())
            return false;
        paintPage(painter, device, html);
    }
    return painter.end();
}

// Letter where the desktop measures in US units, A4 everywhere else.
QPageSize localPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                 : QPageSize::A4);
}

} // namespace

QByteArray weekAsPdf(const QString& html)
{
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Weekly Menu"));
        writer.setCreator(QApplication::applicationName());
        writer.setPageLayout(QPageLayout(localPaper(), QPageLayout::Landscape,
                                         QMarginsF(PdfMarginMillimetres, PdfMarginMillimetres,
                                                   PdfMarginMillimetres, PdfMarginMillimetres),
                                         QPageLayout::Millimeter));
        if (!paintPages(writer, html, 1))
            return {};
    }
    return buffer.data();
}

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

MenuOutput::MenuOutput(QWidget& window, std::function<WeekMenu()> readWeek)
    : QObject(&window)
    , m_window(window)
    , m_readWeek(std::move(readWeek))
    , m_messages(&window)
    , m_print(new QAction(tr("&Print..."), &window))
    , m_saveAsPdf(new QAction(tr("Save as P&DF..."), &window))
    , m_copy(new QAction(tr("&Copy Week"), &window))
{
    m_chooseFile = [this](const QString& proposedPath) {
        QFileDialog dialog(&m_window, tr("Save the Week's Menu as PDF"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(tr("PDF documents (*.pdf)"));
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.setDirectory(QFileInfo(proposedPath).absolutePath());
        dialog.selectFile(QFileInfo(proposedPath).fileName());
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
            ? dialog.selectedFiles().constFirst()
            : QString();
    };
    m_printDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, &m_window);
        dialog.setWindowTitle(tr("Print the Week's Menu"));
        return dialog.exec() == QDialog::Accepted;
    };

    struct Binding {
        QAction* action;
        const char* name;
        QKeySequence keys;
        void (MenuOutput::*run)();
    };
    const Binding bindings[] = {
        {m_print, "actionPrint", QKeySequence(Qt::CTRL | Qt::Key_P), &MenuOutput::print},
        {m_saveAsPdf, "actionSaveAsPdf", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &MenuOutput::saveAsPdf},
        {m_copy, "actionCopy", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &MenuOutput::copy},
    };
    for (const Binding& binding : bindings) {
        binding.action->setObjectName(QLatin1String(binding.name));
        binding.action->setShortcut(binding.keys);
        // The shortcuts work wherever the focus is in the planner, and only there.
        binding.action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        binding.action->setShortcutVisibleInContextMenu(true);
        connect(binding.action, &QAction::triggered, this, [this, run = binding.run] { (this->*run)(); });
        window.addAction(binding.action);
    }
    // A right-click on the window surface offers the actions; a text box still shows its own edit
    // menu, as it takes the click itself.
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

MenuOutput::~MenuOutput() = default;

QString MenuOutput::proposedPdfPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("weekly-menu.pdf"));
}

void MenuOutput::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Weekly Menu"));
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!m_printDialog(printer))
        return;
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    if (!paintPages(printer, currentHtml(), copies) || printer.printerState() == QPrinter::Error)
        tell(tr("The week's menu could not be printed."));
}

void MenuOutput::saveAsPdf()
{
    const QString path = m_chooseFile(proposedPdfPath());
    if (path.isEmpty())
        return;
    const QByteArray pdf = weekAsPdf(currentHtml());
    QString error;
    if (pdf.isEmpty())
        error = tr("the PDF could not be made");
    else if (writeWholeFile(path, pdf, error))
        return;
    tell(tr("The week's menu could not be saved as \"%1\": %2.").arg(QDir::toNativeSeparators(path), error));
}

void MenuOutput::copy()
{
    const WeekMenu week = m_readWeek();
    auto* data = new QMimeData;
    data->setText(toolkit::toQString(weekAsTabSeparatedText(week)));
    data->setHtml(toolkit::toQString(weekAsHtml(week)));
    QApplication::clipboard()->setMimeData(data);
}

QString MenuOutput::currentHtml() const { return toolkit::toQString(weekAsHtml(m_readWeek())); }

void MenuOutput::tell(const QString& message) { m_messages.show(message.toStdString()); }

} // namespace galvix::weekly_menu
