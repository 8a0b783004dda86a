// The panel above the race grid: the race's two title lines, the field averages with the pace
// picture, the bet-line summary and the icon that opens the bet-line window.
#pragma once

#include <QWidget>

class QLabel;

namespace zv {
struct RaceResult;
}

namespace zv::app {

class HeaderPanel : public QWidget {
    Q_OBJECT
public:
    explicit HeaderPanel(QWidget* parent = nullptr);

    // Shows a race's header texts; nullptr empties the panel (the title lines may stay).
    void showResult(const RaceResult* result);
    // Only the two title lines (a race that could not be computed).
    void showTitles(const QString& line1, const QString& line2);

    QLabel* label(const char* name) const;
    // The width a bet summary label may take: up to the right of the light box, and for the
    // last line up to the bet icon.
    int betLabelRoom(const QLabel* label) const;

signals:
    void betIconClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(const char* name, QPoint position, const QColor& colour);
    // Sets a bet summary line as large as it fits its room: the label font, then a pixel smaller
    // at a time down to 8 pixels, and only then elided; the tooltip always holds the whole line.
    void setBetLabel(QLabel* label, const QString& text, const QString& caption);

    QLabel* titleLine1_;
    QLabel* titleLine2_;
    QLabel* f3fAverage_;
    QLabel* prAverage_;
    QLabel* pace_;
    QLabel* paceImage_;
    QLabel* winPlaceLine_;
    QLabel* pairsLine_;
    QLabel* trifectaFirst_;
    QLabel* trifectaSecond_;
    QLabel* trifectaThird_;
    QLabel* betIcon_;
};

}  // namespace zv::app
