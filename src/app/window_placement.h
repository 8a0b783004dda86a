// Window sizes and positions as the settings keep them: the default position centres a window on
// the screen (both halvings truncate toward zero), and a height below 100 means the main window
// was closed while rolled up.
#pragma once

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

// Moves window to its stored position, centred on the primary screen by default.
void restoreWindowPosition(const settings::SettingsStore& store, QWidget* window, const settings::IntKey& topKey,
                           const settings::IntKey& leftKey);
void saveWindowPosition(settings::SettingsStore& store, const QWidget* window, const settings::IntKey& topKey,
                        const settings::IntKey& leftKey);

}  // namespace zv::app
