#pragma once
// Printing a window's image, scaled to the page.
#include <QMainWindow>
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/printed_page.h"

namespace orrelin::ui {

// Prints pages of texts laid out for PageAreaOf(printer), each text's top-left at its
// position, in the given font. False when painting failed.
bool PrintPages(QPrinter& printer, const std::vector<PrintedPage>& pages, const QFont& font);
// The printable rectangle of the printer's page, in its own pixels and resolution.
PageArea PageAreaOf(const QPrinter& printer);
// A text's width on the printer's page in the font at a point size.
TextWidth PrinterTextWidth(QPrinter& printer, const QFont& font);

// Prints the widget's image on one page of the printer. False when painting failed.
bool PrintWidgetImage(QWidget& widget, QPrinter& printer);
// Asks for a printer and prints the widget's image when the user confirms.
void PrintWidgetWithDialog(QWidget& widget);

// The menu entries every window has: one that closes it ("&Close Form", "&Close") and
// one that asks for a printer and prints on it what `print` draws.
void AddCloseAndPrintMenu(QMainWindow& window, const std::function<bool(QPrinter&)>& print,
                          const char* printCaption = "&Print", const char* printObjectName = "Print",
                          const char* closeCaption = "&Close Form");
// The same, printing the window's image ("&Print", "&Print Form").
void AddCloseAndPrintImageMenu(QMainWindow& window, const char* printCaption, const char* printObjectName,
                               const char* closeCaption = "&Close Form");

}  // namespace orrelin::ui
