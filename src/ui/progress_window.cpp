#include "progress_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app_identity.h"

namespace zv::ui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      progressBar_(new QProgressBar(this)),
      abortButton_(new QPushButton(QStringLiteral("中止する(&A)"), this)) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(applicationTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    auto* message = new QLabel(QStringLiteral("一括処理中です。しばらくお待ちください..."), this);
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    abortButton_->setObjectName(QStringLiteral("abortButton"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(message);
    layout->addWidget(progressBar_);
    layout->addWidget(abortButton_, 0, Qt::AlignHCenter);
    setFixedSize(320, 120);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    connect(abortButton_, &QPushButton::clicked, this, &ProgressWindow::abortRequested);
}

void ProgressWindow::setPercent(int percent) { progressBar_->setValue(percent); }

int ProgressWindow::percent() const { return progressBar_->value(); }

}  // namespace zv::ui
