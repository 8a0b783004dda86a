#include "user_feedback.h"

#include <QApplication>
#include <QMessageBox>

#include "app_identity.h"
#include "cp932_text.h"
#include "data/error.h"

namespace zv::ui {

UserFeedback UserFeedback::system() {
    UserFeedback feedback;
    feedback.beep = [] { QApplication::beep(); };
    feedback.notice = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, applicationTitle(), text);
    };
    feedback.errorReport = [](QWidget* parent, const QString& text) {
        QMessageBox::critical(parent, applicationTitle(), text);
    };
    feedback.askYesAbort = [](QWidget* parent, const QString& text) {
        return QMessageBox::question(parent, applicationTitle(), text, QMessageBox::Yes | QMessageBox::Abort) ==
               QMessageBox::Yes;
    };
    feedback.noticeWithDetails = [](QWidget* parent, const QString& text, const QString& details) {
        QMessageBox box(QMessageBox::Information, applicationTitle(), text, QMessageBox::Ok, parent);
        box.setDetailedText(details);
        box.exec();
    };
    feedback.askYesNo = [](QWidget* parent, const QString& text, const QString& details) {
        QMessageBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
        box.setDetailedText(details);
        return box.exec() == QMessageBox::Yes;
    };
    return feedback;
}

UserFeedback UserFeedback::withSystemDefaults(UserFeedback given) {
    const UserFeedback real = system();
    if (!given.beep) given.beep = real.beep;
    if (!given.notice) given.notice = real.notice;
    if (!given.errorReport) given.errorReport = real.errorReport;
    if (!given.askYesAbort) given.askYesAbort = real.askYesAbort;
    if (!given.noticeWithDetails) given.noticeWithDetails = real.noticeWithDetails;
    if (!given.askYesNo) given.askYesNo = real.askYesNo;
    return given;
}

QString errorText(const std::exception& error) { return QString::fromUtf8(error.what()); }

}  // namespace zv::ui
