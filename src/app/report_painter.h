#pragma once

#include "app/report_layout.h"
#include "report/report_model.h"

#include <QByteArray>
#include <filesystem>
#include <system_error>

class QPagedPaintDevice;
class QPrinter;

namespace gelvant {

// Lays the report out on A4 portrait pages of the device and paints them:
// text as text, bars and rules as vector shapes, and on every page a footer
// with "第 N 页 共 M 页", the design file's name and the date. Returns the
// number of pages painted; 0 when the device cannot be painted on.
int paintReport(const Report& report, QPagedPaintDevice& device);

// Prints on a printer (or into the printer's preview), the whole paper
// being the page.
int printReport(const Report& report, QPrinter& printer);

// The report as a PDF document, its fonts embedded as subsets. Empty when
// it could not be painted.
QByteArray reportPdf(const Report& report);

// Writes the report as a PDF file with the safe write the design files use:
// an existing file is replaced only once the new one is complete.
std::error_code writeReportPdf(const Report& report, const std::filesystem::path& path);

} // namespace gelvant
