#include "progress_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zv::ui {

TfrmProgress::TfrmProgress(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      gauge1_(new QProgressBar(this)),
      btnAbort_(new QPushButton(QStringLiteral("中止する(&A)"), this)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Zelvora!"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* message = new QLabel(QStringLiteral("一括処理中です。しばらくお待ちください..."), this);
    gauge1_->setObjectName(QStringLiteral("Gauge1"));
    gauge1_->setRange(0, 100);
    gauge1_->setValue(0);
    btnAbort_->setObjectName(QStringLiteral("btnAbort"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(message);
    layout->addWidget(gauge1_);
    layout->addWidget(btnAbort_, 0, Qt::AlignHCenter);
    setFixedSize(320, 120);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    connect(btnAbort_, &QPushButton::clicked, this, &TfrmProgress::abortRequested);
}

void TfrmProgress::setPercent(int percent) { gauge1_->setValue(percent); }

int TfrmProgress::percent() const { return gauge1_->value(); }

}  // namespace zv::ui
