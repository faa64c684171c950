#include "gui/printtext.h"

#include "core/gbk.h"
#include "gui/fonts.h"
#include "gui/qtext.h"
#include "gui/messages.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QFontMetricsF>

#include <algorithm>

namespace yav {
namespace {
std::function<QString()> g_defaultPrinter;

QString defaultPrinterName()
{
    if (g_defaultPrinter)
        return g_defaultPrinter();
    return QPrinterInfo::defaultPrinterName();
}
// Lines are drawn one under another, a new page when the page is full; nothing wraps, so the
// columns of lists and reports stay as they are on screen.
void render(QPrinter& printer, const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    // 15 pixels of a 96-dpi screen (a pixel size would be taken in printer dots), made a little
    // smaller when the widest line would not fit between the margins: in this face a GBK byte is
    // half an em wide.
    std::size_t widest = 1;
    for (const QString& line : lines)
        widest = std::max(widest, gbk::length(us(line)));
    const double pageWidthPt = printer.pageLayout().paintRect(QPageLayout::Point).width();
    QFont font = fonts::mono(15);
    font.setPointSizeF(std::min(15 * 72.0 / 96.0, 0.98 * pageWidthPt / (static_cast<double>(widest) * 0.5)));

    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &printer);
    const double pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    double y = metrics.ascent();
    for (const QString& line : lines) {
        if (y + metrics.descent() > pageHeight) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(QPointF(0, y), line);
        y += metrics.lineSpacing();
    }
    painter.end();
}

} // namespace

void setDefaultPrinterOverride(std::function<QString()> name) { g_defaultPrinter = std::move(name); }

std::unique_ptr<QPrinter> makeTextPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                       QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
    return printer;
}

void pageSetup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

bool printText(QPrinter& printer, const QString& text)
{
    const QString name = defaultPrinterName();
    if (name.isEmpty()) {
        ShowInfo(QStringLiteral("没有找到打印机，请先安装打印机后再打印。"));
        return false;
    }
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(name);
    render(printer, text);
    return true;
}

void printTextToPdf(QPrinter& printer, const QString& text, const QString& pdfPath)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    render(printer, text);
}

} // namespace yav
