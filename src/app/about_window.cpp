#include "about_window.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/ui_fonts.h"

namespace zv::app {

namespace {

constexpr int kPictureWidth = 420;
constexpr int kPictureHeight = 240;

QPixmap splashPicture() {
    QPixmap picture(kPictureWidth, kPictureHeight);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, kPictureHeight);
    sky.setColorAt(0, QColor(0x0B, 0x3D, 0x2E));
    sky.setColorAt(1, QColor(0x1E, 0x7A, 0x4F));
    painter.fillRect(picture.rect(), sky);
    // The turf's rails.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 2));
    for (int y = 170; y < kPictureHeight; y += 22) painter.drawLine(0, y, kPictureWidth, y - 30);

    QFont title(zv::ui::proportionalFamily());
    title.setPixelSize(52);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(24, 70, kPictureWidth - 48, 70), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Zelvora!"));
    QFont subtitle(zv::ui::proportionalFamily());
    subtitle.setPixelSize(16);
    painter.setFont(subtitle);
    painter.drawText(QRect(28, 138, kPictureWidth - 56, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("競馬予想支援ソフト　ゼルヴォラ"));
    return picture;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* owner) : QDialog(owner, Qt::FramelessWindowHint | Qt::Dialog) {
    setObjectName(QStringLiteral("aboutWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QPixmap picture = splashPicture();
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("splashImage"));
    image->setPixmap(picture);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(image);
    // The client area is exactly the picture.
    setFixedSize(picture.size());

    QFont small(zv::ui::proportionalFamily());
    small.setPixelSize(12);
    const auto topRightLabel = [&](const QString& name, const QString& text, int y) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setFont(small);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        label->setAlignment(Qt::AlignRight);
        label->setGeometry(kPictureWidth - 260, y, 250, 16);
    };
    topRightLabel(QStringLiteral("versionLabel"), QStringLiteral("Version " ZV_VERSION), 8);
    topRightLabel(QStringLiteral("copyrightLabel"), QStringLiteral("Zelvora Project"), 26);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    }
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &AboutWindow::fadeInStep);
}

void AboutWindow::showAsSplash() {
    setOpacity(255);
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int AboutWindow::execFadingIn() {
    setOpacity(0);
    timer_.start();
    return exec();
}

void AboutWindow::fadeInStep() {
    setOpacity(nextFadeOpacity(opacity_));
    if (opacity_ == 255) timer_.stop();
}

void AboutWindow::setOpacity(int opacity) {
    opacity_ = opacity;
    setWindowOpacity(opacity / 255.0);
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    close();
}

void AboutWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow()) {
        wasActive_ = true;
    } else if (wasActive_) {
        close();
    }
}

}  // namespace zv::app
