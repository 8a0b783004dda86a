#include "service_windows_setup.h"

#include <QWidget>

namespace zv::app {

void centreOver(QWidget* window, const QWidget* over) {
    window->adjustSize();
    if (!over) return;
    const QRect outer = over->frameGeometry();
    window->move(outer.left() + outer.width() / 2 - window->width() / 2,
                 outer.top() + outer.height() / 2 - window->height() / 2);
}

}  // namespace zv::app
