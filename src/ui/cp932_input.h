// Typed texts that leave the program as Shift_JIS (CP932): a character it cannot hold is refused
// with a message naming the field, instead of going out as "?".
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

#include "user_feedback.h"

class QLineEdit;

namespace zv::ui {

// The message for a field (its caption) that holds such a character.
QString notCp932Message(const QString& field);

// True when every field's text fits; else tells the user about the first that does not, over
// its window, and puts the focus there.
bool fieldsFitCp932(const UserFeedback& feedback, std::initializer_list<std::pair<QString, QLineEdit*>> fields);

}  // namespace zv::ui
