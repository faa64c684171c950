#pragma once
// Printing a text box's plain text the way the program prints: Letter paper, 12.7 mm margins, a CJK
// font at 15 pixels, black, straight to the default printer without a dialog. The font is the
// monospaced CJK face, so that the columns of name lists and reports line up on paper as on screen.
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace yav {

// The print settings of a window (page setup changes them; printing uses them).
std::unique_ptr<QPrinter> makeTextPrinter();

// Page setup dialog for the printer; errors are ignored.
void pageSetup(QWidget* parent, QPrinter& printer);

// Prints the text on the default printer. With no printer installed the user is told so, and
// false is returned.
bool printText(QPrinter& printer, const QString& text);
// The same into a PDF file, which shows what the printer gets.
void printTextToPdf(QPrinter& printer, const QString& text, const QString& pdfPath);

// Tests replace the default printer's name ("" = no printer).
void setDefaultPrinterOverride(std::function<QString()> name);

} // namespace yav
