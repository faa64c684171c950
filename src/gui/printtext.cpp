#include "gui/printtext.h"

#include "gui/fonts.h"
#include "gui/messages.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace yav {
namespace {
std::function<QString()> g_defaultPrinter;

QString defaultPrinterName()
{
    if (g_defaultPrinter)
        return g_defaultPrinter();
    return QPrinterInfo::defaultPrinterName();
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
    printer.setPrinterName(name);
    QTextDocument doc;
    QFont font = fonts::song(15);
    doc.setDefaultFont(font);
    doc.setPlainText(text);
    doc.print(&printer);
    return true;
}

} // namespace yav
