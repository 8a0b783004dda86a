// Window sizes and positions as the settings keep them: the default position centres a window on
// the screen (both halvings truncate toward zero), and a height below 100 means the main window
// was closed while rolled up. Every restored window is then fitted into the screen's available
// area, so that a change of screen or scale never leaves one partly off the screen.
#pragma once

#include <QRect>
#include <functional>

class QWidget;

namespace zv::settings {
class SettingsStore;
struct IntKey;
}  // namespace zv::settings

namespace zv::app {

inline constexpr int kRolledUpLimit = 100;

constexpr int centredOffset(int screenExtent, int windowExtent) { return screenExtent / 2 - windowExtent / 2; }

// The height the main window starts with.
constexpr int startHeight(int storedHeight, int restoreHeight) {
    return storedHeight < kRolledUpLimit ? restoreHeight : storedHeight;
}

// The part of the screen the windows may take; tests give a fake one.
using ScreenArea = std::function<QRect()>;
// The primary screen's available area (without the task bars), or 1024 x 768 without a screen.
QRect primaryScreenArea();

// window shrunk to area's size where it is larger, then moved the least that puts it wholly
// inside area.
QRect fitIntoArea(const QRect& window, const QRect& area);

// Moves window to its stored position, centred in area by default, and fits it into area (its
// size too, within the window's own minimum); at its first showing, once its frame is known, the
// window with its frame is fitted again.
void restoreWindowPosition(const settings::SettingsStore& store, QWidget* window, const settings::IntKey& topKey,
                           const settings::IntKey& leftKey, const QRect& area);
void saveWindowPosition(settings::SettingsStore& store, const QWidget* window, const settings::IntKey& topKey,
                        const settings::IntKey& leftKey);

}  // namespace zv::app
