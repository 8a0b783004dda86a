#include "header_panel.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "data/sjis.h"
#include "pace_images.h"
#include "predict/race_result.h"
#include "ui/ui_fonts.h"

namespace zv::app {

namespace {

constexpr int kPanelHeight = 90;
constexpr int kSummaryLeft = 474;  // the light box behind the bet summary

QString utf8(const std::string& cp932) { return QString::fromStdString(toUtf8(cp932)); }

QPixmap betIcon() {
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
    setObjectName(QStringLiteral("pnlHeader"));
    setFixedHeight(kPanelHeight);
    const QColor white(Qt::white);
    const QColor dark(0x33, 0x33, 0x33);
    lblTitle1_ = addLabel("lblTitle1", {12, 18}, white);
    lblTitle2_ = addLabel("lblTitle2", {12, 38}, white);
    lblF3FAve_ = addLabel("lblF3FAve", {12, 64}, white);
    lblPRAve_ = addLabel("lblPRAve", {160, 64}, white);
    lblPace_ = addLabel("lblPace", {290, 64}, white);
    lblF3FAve_->setText(QStringLiteral("前半3Fタイム平均："));
    lblPRAve_->setText(QStringLiteral("PR平均："));
    lblPace_->setText(QStringLiteral("推定ペース："));
    imgPace_ = new QLabel(this);
    imgPace_->setObjectName(QStringLiteral("imgPace"));
    imgPace_->setGeometry(358, 64, 13, 13);
    imgPace_->setPixmap(paceImage(kPaceImageNeutral));
    for (QWidget* hidden : {static_cast<QWidget*>(lblF3FAve_), static_cast<QWidget*>(lblPRAve_),
                            static_cast<QWidget*>(lblPace_), static_cast<QWidget*>(imgPace_)}) {
        hidden->hide();
    }
    lblTan_ = addLabel("lblTan", {483, 12}, dark);
    lblUmaren_ = addLabel("lblUmaren", {483, 29}, dark);
    lbl3Rentan1_ = addLabel("lbl3Rentan1", {521, 45}, dark);
    lbl3Rentan2_ = addLabel("lbl3Rentan2", {521, 57}, dark);
    lbl3Rentan3_ = addLabel("lbl3Rentan3", {521, 69}, dark);
    lblTan_->setToolTip(QStringLiteral("単勝・複勝"));
    lblUmaren_->setToolTip(QStringLiteral("馬連・馬単・3連複"));
    lbl3Rentan1_->setToolTip(QStringLiteral("3連単フォーメーション 1着"));
    lbl3Rentan2_->setToolTip(QStringLiteral("3連単フォーメーション 2着"));
    lbl3Rentan3_->setToolTip(QStringLiteral("3連単フォーメーション 3着"));

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(715, 66, 12, 12);
    image1_->setPixmap(betIcon());
    image1_->setToolTip(QStringLiteral("買い目の詳細を表示"));
    image1_->setCursor(Qt::PointingHandCursor);
    image1_->installEventFilter(this);
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
    lblTitle1_->setText(line1);
    lblTitle2_->setText(line2);
    for (QLabel* text : {lblTitle1_, lblTitle2_}) text->adjustSize();
}

void HeaderPanel::showResult(const RaceResult* result) {
    const auto setText = [](QLabel* label, const QString& text) {
        label->setText(text);
        label->adjustSize();
    };
    if (!result) {
        for (QLabel* text : {lblTan_, lblUmaren_, lbl3Rentan1_, lbl3Rentan2_, lbl3Rentan3_}) setText(text, {});
        for (QWidget* hidden : {static_cast<QWidget*>(lblF3FAve_), static_cast<QWidget*>(lblPRAve_),
                                static_cast<QWidget*>(lblPace_), static_cast<QWidget*>(imgPace_)}) {
            hidden->hide();
        }
        update();
        return;
    }
    showTitles(utf8(result->titleLine1), utf8(result->titleLine2));
    setText(lblF3FAve_, utf8(result->f3fAverage.text));
    lblF3FAve_->setVisible(result->f3fAverage.shown);
    setText(lblPRAve_, utf8(result->prAverage.text));
    lblPRAve_->setVisible(result->prAverage.shown);
    setText(lblPace_, utf8(result->pace.text));
    lblPace_->setVisible(result->pace.shown);
    imgPace_->setPixmap(paceImage(result->paceImage));
    imgPace_->setVisible(result->pace.shown);
    setText(lblTan_, utf8(result->labels.tan));
    setText(lblUmaren_, utf8(result->labels.umaren));
    setText(lbl3Rentan1_, utf8(result->labels.rentan1));
    setText(lbl3Rentan2_, utf8(result->labels.rentan2));
    setText(lbl3Rentan3_, utf8(result->labels.rentan3));
    update();
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
    painter.drawRoundedRect(QRectF(kSummaryLeft, 6, width() - kSummaryLeft - 6, height() - 12), 5, 5);
    // The trifecta formation stands indented under the other lines; its caption fills the indent.
    if (!lbl3Rentan1_->text().isEmpty()) {
        QFont caption = zv::ui::labelFont();
        caption.setPixelSize(10);
        painter.setFont(caption);
        painter.setPen(QColor(0x80, 0x80, 0x80));
        const QRect indent(lblTan_->x(), lbl3Rentan1_->y(), lbl3Rentan1_->x() - lblTan_->x() - 4,
                           lbl3Rentan3_->geometry().bottom() - lbl3Rentan1_->y());
        painter.drawText(indent, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("3連単"));
    }
}

bool HeaderPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit betIconClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zv::app
