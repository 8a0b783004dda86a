// Printing the race on screen from the tools menu and the tool bar.
#include <QPrintDialog>
#include <QPrinter>

#include "main_window.h"
#include "race_printer.h"
#include "ui/race_grid_view.h"

namespace zv::app {

void MainWindow::onPrint() {
    if (!result_ || grid_->isHidden()) {
        setup_.feedback.beep();
        return;
    }
    // Screen resolution keeps the grid's pixel and point fonts in the proportions of the screen.
    QPrinter printer(QPrinter::ScreenResolution);
    const bool accepted = setup_.printerSetup ? setup_.printerSetup(this, printer) : [&] {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!accepted) return;
    printRaceOn(printer);
}

void MainWindow::printRaceOn(QPrinter& printer) {
    if (!result_) return;
    printRaceGrid(printer, printTitleLines(*result_), *grid_);
}

}  // namespace zv::app
