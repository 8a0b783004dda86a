#include "cp932_input.h"

#include <QLineEdit>

#include "cp932_text.h"
#include "data/sjis.h"

namespace zv::ui {

QString notCp932Message(const QString& field) {
    return QString::fromStdString(zv::notCp932Message(field.toStdString()));
}

bool fieldsFitCp932(const UserFeedback& feedback, std::initializer_list<std::pair<QString, QLineEdit*>> fields) {
    for (const auto& [caption, edit] : fields) {
        if (toCp932Exactly(edit->text())) continue;
        feedback.notice(edit->window(), notCp932Message(caption));
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    return true;
}

}  // namespace zv::ui
