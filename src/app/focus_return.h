// Keyboard use across windows: when a tool window beside the main window is closed (hidden), the
// focus goes back to a widget of the main window, so the keys work there again at once.
#pragma once

class QWidget;

namespace zv::app {

// From now on, whenever window is hidden, target's window is activated and target takes the focus.
void returnFocusWhenHidden(QWidget* window, QWidget* target);

}  // namespace zv::app
