// The main window's height: rolled up to its menu bar or down to the height it had, and its
// size and place as the settings keep them (a stored height below 100 means it was closed
// rolled up).
#pragma once

#include <QObject>

class QAction;
class QRect;
class QMainWindow;

namespace zv::settings {
class SettingsStore;
}

namespace zv::app {

class WindowHeight : public QObject {
    Q_OBJECT
public:
    // rollUp is the window's checkable roll-up command; both must outlive this.
    WindowHeight(QMainWindow& window, QAction* rollUp);

    void setRolledUp(bool rolledUp);
    bool rolledUp() const { return rolledUp_; }
    // The height of the unrolled window.
    int restoreHeight() const { return restoreHeight_; }

    // The stored size and place, fitted into area.
    void restore(const settings::SettingsStore& store, const QRect& area);
    void save(settings::SettingsStore& store) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& window_;
    QAction* rollUp_;
    int restoreHeight_ = 700;
    bool rolledUp_ = false;
};

}  // namespace zv::app
