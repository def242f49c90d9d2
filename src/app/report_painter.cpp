#include "app/report_painter.h"

#include "app/page_flow.h"
#include "app/pdf_text_map.h"
#include "document/atomic_file.h"
#include "form/program.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace gelvant {
namespace {

// Paints on a device whose page layout is already A4 portrait without margins.
int paintLaidOut(const Report& report, QPagedPaintDevice& device) {
    const std::vector<LaidOutPage> pages = layOutReport(report, device);
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double pxPerMm = device.logicalDpiY() / 25.4;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            return 0;
        }
        paintPage(painter, pages[i], pxPerMm);
    }
    painter.end();
    return static_cast<int>(pages.size());
}

QPageLayout a4WithoutMargins() {
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)};
}

} // namespace
int paintReport(const Report& report, QPagedPaintDevice& device) {
    device.setPageLayout(a4WithoutMargins());
    return paintLaidOut(report, device);
}

int printReport(const Report& report, QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(a4WithoutMargins());
    return paintLaidOut(report, printer);
}

QByteArray reportPdf(const Report& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setCreator(QString::fromUtf8(kProgramName) + QLatin1Char(' ') +
                          QString::fromUtf8(kProgramVersion));
        writer.setTitle(report.projectName.empty()
                            ? QString::fromUtf8(report.title)
                            : QString::fromUtf8(report.title) + QStringLiteral(" - ") +
                                  QString::fromUtf8(report.projectName));
        if (paintReport(report, writer) == 0) {
            return {};
        }
    }
    QByteArray pdf = buffer.data();
    correctTextMaps(pdf, PageFlow::font(FontRole::Body));
    return pdf;
}

std::error_code writeReportPdf(const Report& report, const std::filesystem::path& path) {
    const QByteArray pdf = reportPdf(report);
    if (pdf.isEmpty()) {
        return std::make_error_code(std::errc::io_error);
    }
    return writeFileAtomically(
        path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

} // namespace gelvant
