#include "service_prompts.h"

#include <QMessageBox>

namespace zv::app {

ServicePrompts ServicePrompts::system() {
    ServicePrompts prompts;
    prompts.notice = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QStringLiteral("Zelvora!"), text);
    };
    prompts.error = [](QWidget* parent, const QString& text) {
        QMessageBox::critical(parent, QStringLiteral("Zelvora!"), text);
    };
    prompts.askYesNo = [](QWidget* parent, const QString& text) {
        return QMessageBox::question(parent, QStringLiteral("Zelvora!"), text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    return prompts;
}

}  // namespace zv::app
