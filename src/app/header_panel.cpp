#include "header_panel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "pace_images.h"
#include "predict/race_result.h"
#include "ui/cp932_text.h"
#include "ui/ui_fonts.h"

namespace zv::app {

namespace {

constexpr int kPanelHeight = 90;
constexpr int kSummaryLeft = 474;   // the light box behind the bet summary
constexpr int kSummaryRight = 744;  // the main window is 750 pixels wide

QPixmap betIconPicture() {
    QPixmap icon(12, 12);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setPen(QColor(0x33, 0x33, 0x33));
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, 11, 11);
    for (int y = 3; y <= 8; y += 2) painter.drawLine(3, y, 8, y);
    return icon;
}

}  // namespace

HeaderPanel::HeaderPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("headerPanel"));
    setFixedHeight(kPanelHeight);
    const QColor white(Qt::white);
    const QColor dark(0x33, 0x33, 0x33);
    titleLine1_ = addLabel("titleLine1", {12, 18}, white);
    titleLine2_ = addLabel("titleLine2", {12, 38}, white);
    f3fAverage_ = addLabel("f3fAverage", {12, 64}, white);
    prAverage_ = addLabel("prAverage", {160, 64}, white);
    pace_ = addLabel("pace", {290, 64}, white);
    f3fAverage_->setText(QStringLiteral("前半3Fタイム平均："));
    prAverage_->setText(QStringLiteral("PR平均："));
    pace_->setText(QStringLiteral("推定ペース："));
    paceImage_ = new QLabel(this);
    paceImage_->setObjectName(QStringLiteral("paceImage"));
    paceImage_->setGeometry(358, 64, 13, 13);
    paceImage_->setPixmap(paceImage(kPaceImageNeutral));
    for (QWidget* hidden : {static_cast<QWidget*>(f3fAverage_), static_cast<QWidget*>(prAverage_),
                            static_cast<QWidget*>(pace_), static_cast<QWidget*>(paceImage_)}) {
        hidden->hide();
    }
    winPlaceLine_ = addLabel("winPlaceLine", {483, 12}, dark);
    pairsLine_ = addLabel("pairsLine", {483, 29}, dark);
    trifectaFirst_ = addLabel("trifectaFirstLine", {521, 45}, dark);
    trifectaSecond_ = addLabel("trifectaSecondLine", {521, 57}, dark);
    trifectaThird_ = addLabel("trifectaThirdLine", {521, 69}, dark);

    betIcon_ = new QLabel(this);
    betIcon_->setObjectName(QStringLiteral("betIcon"));
    betIcon_->setGeometry(715, 66, 12, 12);
    betIcon_->setPixmap(betIconPicture());
    betIcon_->setToolTip(QStringLiteral("買い目の詳細を表示"));
    betIcon_->setCursor(Qt::PointingHandCursor);
    betIcon_->installEventFilter(this);
}

QLabel* HeaderPanel::addLabel(const char* name, QPoint position, const QColor& colour) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(zv::ui::labelFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(position);
    label->setFixedHeight(14);
    label->setMinimumWidth(1);
    return label;
}

QLabel* HeaderPanel::label(const char* name) const { return findChild<QLabel*>(QString::fromLatin1(name)); }

void HeaderPanel::showTitles(const QString& line1, const QString& line2) {
    titleLine1_->setText(line1);
    titleLine2_->setText(line2);
    for (QLabel* text : {titleLine1_, titleLine2_}) text->adjustSize();
}

void HeaderPanel::showResult(const RaceResult* result) {
    const auto setText = [](QLabel* label, const QString& text) {
        label->setText(text);
        label->adjustSize();
    };
    if (!result) {
        for (QLabel* text : {winPlaceLine_, pairsLine_, trifectaFirst_, trifectaSecond_, trifectaThird_}) {
            setText(text, {});
        }
        for (QWidget* hidden : {static_cast<QWidget*>(f3fAverage_), static_cast<QWidget*>(prAverage_),
                                static_cast<QWidget*>(pace_), static_cast<QWidget*>(paceImage_)}) {
            hidden->hide();
        }
        update();
        return;
    }
    showTitles(zv::ui::fromCp932(result->titleLine1), zv::ui::fromCp932(result->titleLine2));
    setText(f3fAverage_, zv::ui::fromCp932(result->f3fAverage.text));
    f3fAverage_->setVisible(result->f3fAverage.shown);
    setText(prAverage_, zv::ui::fromCp932(result->prAverage.text));
    prAverage_->setVisible(result->prAverage.shown);
    setText(pace_, zv::ui::fromCp932(result->pace.text));
    pace_->setVisible(result->pace.shown);
    paceImage_->setPixmap(paceImage(result->paceImage));
    paceImage_->setVisible(result->pace.shown);
    const BetLabels& bets = result->labels;
    setBetLabel(winPlaceLine_, zv::ui::fromCp932(bets.winPlace), QStringLiteral("単勝・複勝"));
    setBetLabel(pairsLine_, zv::ui::fromCp932(bets.pairs), QStringLiteral("馬連・馬単・3連複"));
    setBetLabel(trifectaFirst_, zv::ui::fromCp932(bets.trifectaFirst), QStringLiteral("3連単フォーメーション 1着"));
    setBetLabel(trifectaSecond_, zv::ui::fromCp932(bets.trifectaSecond), QStringLiteral("3連単フォーメーション 2着"));
    setBetLabel(trifectaThird_, zv::ui::fromCp932(bets.trifectaThird), QStringLiteral("3連単フォーメーション 3着"));
    update();
}

int HeaderPanel::betLabelRoom(const QLabel* label) const {
    constexpr int kGap = 4;
    const int right = label == trifectaThird_ ? betIcon_->x() : kSummaryRight;
    return right - kGap - label->x();
}

void HeaderPanel::setBetLabel(QLabel* label, const QString& text, const QString& caption) {
    constexpr int kSmallestPixels = 8;
    const int room = betLabelRoom(label);
    QFont font = zv::ui::labelFont();
    while (font.pixelSize() > kSmallestPixels && QFontMetrics(font).horizontalAdvance(text) > room) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
    label->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, room));
    label->setToolTip(text.isEmpty() ? caption : caption + QStringLiteral("\n") + text);
    label->adjustSize();
}

void HeaderPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient turf(0, 0, 0, height());
    turf.setColorAt(0, QColor(0x0B, 0x3D, 0x2E));
    turf.setColorAt(1, QColor(0x17, 0x5C, 0x40));
    painter.fillRect(rect(), turf);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF6, 0xF3, 0xE6));
    painter.drawRoundedRect(QRectF(kSummaryLeft, 6, kSummaryRight - kSummaryLeft, height() - 12), 5, 5);
    // The trifecta formation stands indented under the other lines; its caption fills the indent.
    if (!trifectaFirst_->text().isEmpty()) {
        QFont caption = zv::ui::labelFont();
        caption.setPixelSize(10);
        painter.setFont(caption);
        painter.setPen(QColor(0x80, 0x80, 0x80));
        const QRect indent(winPlaceLine_->x(), trifectaFirst_->y(), trifectaFirst_->x() - winPlaceLine_->x() - 4,
                           trifectaThird_->geometry().bottom() - trifectaFirst_->y());
        painter.drawText(indent, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("3連単"));
    }
}

bool HeaderPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == betIcon_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit betIconClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zv::app
