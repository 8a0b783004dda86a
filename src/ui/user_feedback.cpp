#include "user_feedback.h"

#include <QApplication>
#include <QMessageBox>

namespace zv::ui {

UserFeedback UserFeedback::system() {
    UserFeedback feedback;
    feedback.beep = [] { QApplication::beep(); };
    feedback.notice = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QStringLiteral("Zelvora!"), text);
    };
    feedback.errorReport = [](QWidget* parent, const QString& text) {
        QMessageBox::critical(parent, QStringLiteral("Zelvora!"), text);
    };
    feedback.askYesAbort = [](QWidget* parent, const QString& text) {
        return QMessageBox::question(parent, QStringLiteral("Zelvora!"), text, QMessageBox::Yes | QMessageBox::Abort) ==
               QMessageBox::Yes;
    };
    return feedback;
}

}  // namespace zv::ui
