#include "service_prompts.h"

#include <QMessageBox>

namespace zv::app {

ServicePrompts ServicePrompts::system() {
    ServicePrompts prompts;
    prompts.notice = [](QWidget* parent, const QString& text, const QString& details) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Zelvora!"), text, QMessageBox::Ok, parent);
        box.setDetailedText(details);
        box.exec();
    };
    prompts.error = [](QWidget* parent, const QString& text) {
        QMessageBox::critical(parent, QStringLiteral("Zelvora!"), text);
    };
    prompts.askYesNo = [](QWidget* parent, const QString& text, const QString& details) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Zelvora!"), text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDetailedText(details);
        return box.exec() == QMessageBox::Yes;
    };
    return prompts;
}

}  // namespace zv::app
