#include "race_printer.h"

#include <QDate>
#include <QHeaderView>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <vector>

#include "data/error.h"
#include "data/sjis.h"
#include "predict/bet_lines.h"
#include "predict/race_result.h"
#include "ui/cp932_text.h"
#include "ui/race_grid_view.h"
#include "ui/ui_fonts.h"

namespace zv::app {

namespace {

// The grid is laid out in screen pixels; a printer page holds this many of them per inch.
constexpr double kScreenDpi = 96.0;
constexpr int kTitleGap = 6;

struct PrintColumn {
    int column;
    int x;
    int width;
};

void paintHeadingRow(QPainter& painter, const ui::RaceGridView& grid, const std::vector<PrintColumn>& columns, int y,
                     int height) {
    painter.setFont(grid.font());
    for (const PrintColumn& c : columns) {
        const QRect cell(c.x, y, c.width, height);
        painter.fillRect(cell, QColor(236, 236, 236));
        painter.setPen(Qt::black);
        const QString text = grid.model()->headerData(c.column, Qt::Horizontal, Qt::DisplayRole).toString();
        painter.drawText(cell, Qt::AlignCenter, text);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
}

void paintRow(QPainter& painter, const ui::RaceGridView& grid, const std::vector<PrintColumn>& columns, int row, int y,
              int height) {
    QStyleOptionViewItem option;
    option.font = grid.font();
    option.palette = grid.palette();
    option.state = QStyle::State_Enabled;
    for (const PrintColumn& c : columns) {
        option.rect = QRect(c.x, y, c.width, height);
        painter.save();
        grid.raceDelegate()->paint(&painter, option, grid.model()->index(row, c.column));
        painter.restore();
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
}

}  // namespace

QStringList printTitleLines(const RaceResult& result) {
    QStringList lines;
    lines << ui::fromCp932(result.titleLine1) << ui::fromCp932(result.titleLine2);
    if (result.f3fAverage.shown) {
        lines << ui::fromCp932(result.f3fAverage.text) + QStringLiteral("  ") + ui::fromCp932(result.prAverage.text) +
                     QStringLiteral("  推定ペース：") + ui::fromCp932(result.paceText);
    }
    lines << QString();
    lines << QStringLiteral("           [単勝・複勝] ") + ui::fromCp932(result.labels.winPlace);
    lines << QStringLiteral("    [馬連・馬単・3連複] ") + ui::fromCp932(result.labels.pairs);
    if (hasTrifectaLines(result.raceNumberText)) {
        lines << QStringLiteral("[3連単フォーメーション] 1着:") + ui::fromCp932(result.labels.trifectaFirst);
        lines << QStringLiteral("                        2着:") + ui::fromCp932(result.labels.trifectaSecond);
        lines << QStringLiteral("                        3着:") + ui::fromCp932(result.labels.trifectaThird);
    }
    lines << QString();
    return lines;
}

QString printFooter(int page, int pages, const QDate& printDate) {
    return QStringLiteral("%1 / %2 ページ    印刷日: %3")
        .arg(page)
        .arg(pages)
        .arg(printDate.toString(QStringLiteral("yyyy/MM/dd")));
}

void printRaceGrid(QPrinter& printer, const QStringList& titleLines, const ui::RaceGridView& grid,
                   const QDate& printDate) {
    std::vector<PrintColumn> columns;
    int gridWidth = 0;
    for (int column = 0; column < grid.model()->columnCount(); ++column) {
        if (grid.isColumnHidden(column)) continue;
        columns.push_back({column, gridWidth, grid.columnWidth(column)});
        gridWidth += grid.columnWidth(column);
    }
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) throw Error(ErrorKind::Io, "印刷を開始できません。");
    const double deviceScale = printer.logicalDpiX() / kScreenDpi;
    const double scale = gridWidth > 0 ? std::min(deviceScale, printer.width() / double(gridWidth)) : deviceScale;
    painter.scale(scale, scale);
    const int pageWidth = int(printer.width() / scale);

    painter.setFont(ui::gridFont());
    painter.setPen(Qt::black);
    const int lineHeight = painter.fontMetrics().height();
    // The footer's line and a gap above it are kept free on every page.
    const int pageHeight = int(printer.height() / scale) - lineHeight - kTitleGap;
    const int headingHeight = std::max(grid.horizontalHeader()->height(), 18);

    // The rows each page starts with, so that every footer can name the page count.
    std::vector<int> pageStarts{0};
    int y = int(titleLines.size()) * lineHeight + kTitleGap + headingHeight;
    for (int row = 0; row < grid.model()->rowCount(); ++row) {
        if (y + grid.rowHeight(row) > pageHeight) {
            pageStarts.push_back(row);
            y = headingHeight;
        }
        y += grid.rowHeight(row);
    }
    const int pages = int(pageStarts.size());

    const auto paintFooter = [&](int page) {
        painter.setFont(ui::gridFont());
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, pageHeight + kTitleGap, pageWidth, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         printFooter(page, pages, printDate));
    };
    y = 0;
    for (const QString& line : titleLines) {
        painter.drawText(QRect(0, y, pageWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight;
    }
    y += kTitleGap;
    paintHeadingRow(painter, grid, columns, y, headingHeight);
    y += headingHeight;
    int page = 1;
    for (int row = 0; row < grid.model()->rowCount(); ++row) {
        if (page < pages && row == pageStarts[size_t(page)]) {
            paintFooter(page);
            printer.newPage();
            ++page;
            y = 0;
            paintHeadingRow(painter, grid, columns, y, headingHeight);
            y += headingHeight;
        }
        const int height = grid.rowHeight(row);
        paintRow(painter, grid, columns, row, y, height);
        y += height;
    }
    paintFooter(page);
    painter.end();
}

bool askPrinterSetup(QWidget* parent, const PrinterSetup& setup, QPrinter& printer) {
    if (setup) return setup(parent, printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void printRace(QPrinter& printer, const RaceResult& result, const ui::RaceGridView& grid) {
    printRaceGrid(printer, printTitleLines(result), grid, QDate::currentDate());
}

void printRaceAfterSetup(QWidget* parent, const PrinterSetup& setup, const RaceResult& result,
                         const ui::RaceGridView& grid) {
    // Screen resolution keeps the grid's pixel and point fonts in the proportions of the screen.
    QPrinter printer(QPrinter::ScreenResolution);
    if (askPrinterSetup(parent, setup, printer)) printRace(printer, result, grid);
}

}  // namespace zv::app
