#include "window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "settings/settings_store.h"

namespace zv::app {

QRect primaryScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect fitIntoArea(const QRect& window, const QRect& area) {
    const QSize size = window.size().boundedTo(area.size());
    const int left = std::clamp(window.left(), area.left(), area.left() + area.width() - size.width());
    const int top = std::clamp(window.top(), area.top(), area.top() + area.height() - size.height());
    return {QPoint(left, top), size};
}

namespace {

// At the window's first showing its frame is known: the window with its frame is fitted again.
class FitWhenShown : public QObject {
public:
    FitWhenShown(QWidget* window, const QRect& area) : QObject(window), window_(window), area_(area) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) {
            const QRect frame = window_->frameGeometry(), client = window_->geometry();
            const QSize frameExtra = frame.size() - client.size();
            const QRect fitted = fitIntoArea(frame, area_);
            if (fitted != frame) {
                window_->resize(fitted.size() - frameExtra);
                window_->move(fitted.topLeft());
            }
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    QRect area_;
};

}  // namespace

void restoreWindowPosition(const settings::SettingsStore& store, QWidget* window, const settings::IntKey& topKey,
                           const settings::IntKey& leftKey, const QRect& area) {
    const int top = store.readInt(topKey, area.top() + centredOffset(area.height(), window->height()));
    const int left = store.readInt(leftKey, area.left() + centredOffset(area.width(), window->width()));
    // The window's own limits win over the area's: a fixed width stays as it is.
    window->resize(window->size().boundedTo(area.size()));
    const QRect fitted = fitIntoArea(QRect(QPoint(left, top), window->size()), area);
    window->move(fitted.topLeft());
    new FitWhenShown(window, area);
}

void saveWindowPosition(settings::SettingsStore& store, const QWidget* window, const settings::IntKey& topKey,
                        const settings::IntKey& leftKey) {
    store.writeInt(leftKey, window->x());
    store.writeInt(topKey, window->y());
}

}  // namespace zv::app
