// Printing the race on screen: the title block (title lines, averages and pace, the proposed bet
// lines) and then the race grid as it stands, cells painted by the grid's own delegate, the
// heading row repeated on every page and the grid shrunk to the page width when wider.
#pragma once

#include <QStringList>
#include <functional>

class QDate;
class QPrinter;
class QWidget;

namespace zv {
struct RaceResult;
}
namespace zv::ui {
class RaceGridView;
}

namespace zv::app {

// The title block's lines; the bet lines of the prefixes start in the same column of a
// fixed-pitch font. The averages line is left out when the race has no averages.
QStringList printTitleLines(const RaceResult& result);

// The printer setup dialog: false when cancelled.
using PrinterSetup = std::function<bool(QWidget* parent, QPrinter& printer)>;
// Runs setup, or the real printer dialog when it is empty.
bool askPrinterSetup(QWidget* parent, const PrinterSetup& setup, QPrinter& printer);

// Prints the title block and the grid on a printer that is set up already, inside 10 mm margins,
// each page with a footer: "1 / 2 ページ" and the print date. Throws zv::Error when the printer
// cannot be started.
void printRaceGrid(QPrinter& printer, const QStringList& titleLines, const ui::RaceGridView& grid,
                   const QDate& printDate);

// The race as the grid shows it, printed today on a printer that is set up already.
void printRace(QPrinter& printer, const RaceResult& result, const ui::RaceGridView& grid);
// Asks for the printer (setup, or the real dialog when it is empty) and prints the race; nothing
// when the user cancels.
void printRaceAfterSetup(QWidget* parent, const PrinterSetup& setup, const RaceResult& result,
                         const ui::RaceGridView& grid);

// The footer of page (1-based) of pages.
QString printFooter(int page, int pages, const QDate& printDate);

}  // namespace zv::app
