// The bet-line window (TfrmKaime): the race's bet lines as read-only text, with the race's
// second title line in its status bar. Saving and copying join it later. Hidden and shown, never
// destroyed, so that its position can be saved when the program ends.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QStatusBar;

namespace zv::ui {

class TfrmKaime : public QWidget {
    Q_OBJECT
public:
    explicit TfrmKaime(QWidget* parent = nullptr);

    // Replaces the text and the status text (UTF-8 for display).
    void setContent(const QString& statusText, const QString& text);
    QString text() const;
    QString statusText() const;

private:
    QPlainTextEdit* memo1_;
    QStatusBar* statusBar_;
};

}  // namespace zv::ui
