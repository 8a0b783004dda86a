#include "window_height.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "settings/settings_store.h"
#include "window_placement.h"

namespace zv::app {

WindowHeight::WindowHeight(QMainWindow& window, QAction* rollUp) : QObject(&window), window_(window), rollUp_(rollUp) {
    window_.installEventFilter(this);
    connect(rollUp_, &QAction::toggled, this, &WindowHeight::setRolledUp);
}

void WindowHeight::setRolledUp(bool rolledUp) {
    if (rolledUp == rolledUp_) return;
    // While rolled up, resizing leaves restoreHeight alone; it is let go only for the last step.
    if (rolledUp) rolledUp_ = true;
    window_.centralWidget()->setVisible(!rolledUp);
    window_.statusBar()->setVisible(!rolledUp);
    for (QToolBar* bar : window_.findChildren<QToolBar*>()) bar->setVisible(!rolledUp);
    if (rolledUp) {
        window_.setFixedHeight(window_.menuBar()->sizeHint().height());
    } else {
        window_.setMinimumHeight(0);
        window_.setMaximumHeight(QWIDGETSIZE_MAX);
        rolledUp_ = false;
        window_.resize(window_.width(), restoreHeight_);
    }
    const QSignalBlocker quiet(rollUp_);
    rollUp_->setChecked(rolledUp_);
    rollUp_->setText(rolledUp_ ? QStringLiteral("▼") : QStringLiteral("▲"));
    rollUp_->setToolTip(rolledUp_ ? QStringLiteral("元のサイズに戻す") : QStringLiteral("ロールアップ"));
}

bool WindowHeight::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Resize && !rolledUp_) restoreHeight_ = window_.height();
    return QObject::eventFilter(watched, event);
}

void WindowHeight::restore(const settings::SettingsStore& store, const QRect& area) {
    restoreHeight_ = std::min(store.readInt(settings::key::MainRestoreHeight), area.height());
    // The width setting is read, but the window's width is fixed.
    window_.resize(store.readInt(settings::key::MainWidth),
                   startHeight(store.readInt(settings::key::MainHeight), restoreHeight_));
    restoreWindowPosition(store, &window_, settings::key::MainTop, settings::key::MainLeft, area);
}

void WindowHeight::save(settings::SettingsStore& store) const {
    saveWindowPosition(store, &window_, settings::key::MainTop, settings::key::MainLeft);
    store.writeInt(settings::key::MainHeight, window_.height());
    store.writeInt(settings::key::MainRestoreHeight, restoreHeight_);
    store.writeInt(settings::key::MainWidth, window_.width());
}

}  // namespace zv::app
