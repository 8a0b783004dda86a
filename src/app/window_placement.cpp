#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "settings/settings_store.h"

namespace zv::app {

void restoreWindowPosition(const settings::SettingsStore& store, QWidget* window, const settings::IntKey& topKey,
                           const settings::IntKey& leftKey) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    const int top = store.readInt(topKey, centredOffset(size.height(), window->height()));
    const int left = store.readInt(leftKey, centredOffset(size.width(), window->width()));
    window->move(left, top);
}

void saveWindowPosition(settings::SettingsStore& store, const QWidget* window, const settings::IntKey& topKey,
                        const settings::IntKey& leftKey) {
    store.writeInt(leftKey, window->x());
    store.writeInt(topKey, window->y());
}

}  // namespace zv::app
