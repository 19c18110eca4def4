#pragma once
// Printing a window's image, scaled to the page.
#include <QMainWindow>
#include <QPrinter>
#include <QWidget>

namespace orrelin::ui {

// Prints the widget's image on one page of the printer. False when painting failed.
bool PrintWidgetImage(QWidget& widget, QPrinter& printer);
// Asks for a printer and prints the widget's image when the user confirms.
void PrintWidgetWithDialog(QWidget& widget);

// The menu entries every window has: one that closes it ("&Close Form", "&Close") and
// one that prints the window's image ("&Print", "&Print Form").
void AddCloseAndPrintImageMenu(QMainWindow& window, const char* printCaption, const char* printObjectName,
                               const char* closeCaption = "&Close Form");

}  // namespace orrelin::ui
