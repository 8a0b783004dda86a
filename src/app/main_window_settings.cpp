// Restoring the main window's settings at creation and saving them at close, and the roll-up.
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "main_window.h"
#include "settings/settings_store.h"
#include "ui/bet_lines_window.h"
#include "ui/horse_detail_window.h"
#include "window_placement.h"

namespace zv::app {

namespace {

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

void restorePosition(const settings::SettingsStore& store, QWidget* window, const settings::Key& topKey,
                     const settings::Key& leftKey) {
    const QSize screen = screenSize();
    const int top = store.readInt(topKey, centredOffset(screen.height(), window->height()));
    const int left = store.readInt(leftKey, centredOffset(screen.width(), window->width()));
    window->move(left, top);
}

}  // namespace

void MainWindow::restoreSettings() {
    const settings::SettingsStore& store = *setup_.settings;
    restoreHeight_ = store.readInt(settings::key::MainRestoreHeight);
    const int height = startHeight(store.readInt(settings::key::MainHeight), restoreHeight_);
    // The width setting is read, but the window's width is fixed.
    resize(store.readInt(settings::key::MainWidth), height);
    restorePosition(store, this, settings::key::MainTop, settings::key::MainLeft);

    proxy_.port = store.readInt(settings::key::ProxyPort);
    proxy_.server = store.readText(settings::key::ProxyServer);
    proxy_.userID = store.readText(settings::key::ProxyUserID);
    proxy_.password = store.readText(settings::key::ProxyPassword);
}

void MainWindow::restoreToolWindowPositions() {
    const settings::SettingsStore& store = *setup_.settings;
    if (detail_) restorePosition(store, detail_, settings::key::DetailTop, settings::key::DetailLeft);
    if (bets_) restorePosition(store, bets_, settings::key::KaimeTop, settings::key::KaimeLeft);
}

void MainWindow::saveSettings() {
    settings::SettingsStore& store = *setup_.settings;
    store.writeInt(settings::key::MainTop, y());
    store.writeInt(settings::key::MainLeft, x());
    store.writeInt(settings::key::MainHeight, height());
    store.writeInt(settings::key::MainRestoreHeight, restoreHeight_);
    store.writeInt(settings::key::MainWidth, width());
    if (detail_) {
        store.writeInt(settings::key::DetailLeft, detail_->x());
        store.writeInt(settings::key::DetailTop, detail_->y());
    }
    if (bets_) {
        store.writeInt(settings::key::KaimeLeft, bets_->x());
        store.writeInt(settings::key::KaimeTop, bets_->y());
    }
    store.writeInt(settings::key::ProxyPort, proxy_.port);
    store.writeText(settings::key::ProxyServer, proxy_.server);
    store.writeText(settings::key::ProxyUserID, proxy_.userID);
    store.writeText(settings::key::ProxyPassword, proxy_.password);
    store.sync();
}

void MainWindow::setRolledUp(bool rolledUp) {
    if (rolledUp == rolledUp_) return;
    if (rolledUp) {
        // restoreHeight keeps the height of the unrolled window.
        rolledUp_ = true;
        centralWidget()->hide();
        statusBar()->hide();
        for (QToolBar* bar : findChildren<QToolBar*>()) bar->hide();
        setFixedHeight(menuBar()->sizeHint().height());
    } else {
        centralWidget()->show();
        statusBar()->show();
        for (QToolBar* bar : findChildren<QToolBar*>()) bar->show();
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
        rolledUp_ = false;
        resize(width(), restoreHeight_);
    }
    const QSignalBlocker quiet(actions_.rollUp);
    actions_.rollUp->setChecked(rolledUp_);
    actions_.rollUp->setText(rolledUp_ ? QStringLiteral("▼") : QStringLiteral("▲"));
    actions_.rollUp->setToolTip(rolledUp_ ? QStringLiteral("元のサイズに戻す") : QStringLiteral("ロールアップ"));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!rolledUp_) restoreHeight_ = height();
}

}  // namespace zv::app
