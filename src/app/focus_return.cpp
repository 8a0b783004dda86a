#include "focus_return.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace zv::app {
namespace {

class FocusReturn : public QObject {
public:
    FocusReturn(QWidget* window, QWidget* target) : QObject(window), target_(target) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && target_ && target_->window()->isVisible()) {
            target_->window()->activateWindow();
            target_->setFocus(Qt::OtherFocusReason);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> target_;
};

}  // namespace

void returnFocusWhenHidden(QWidget* window, QWidget* target) { new FocusReturn(window, target); }

}  // namespace zv::app
