// The progress window of the all-races runs: a fixed window without caption
// buttons, centred on the screen, with a bar from 0 to 100 and an Abort button. It is created for
// one run and destroys itself when closed.
#pragma once

#include <QWidget>

class QProgressBar;
class QPushButton;

namespace zv::ui {

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void setPercent(int percent);
    int percent() const;
    QPushButton* abortButton() const { return abortButton_; }
    QProgressBar* progressBar() const { return progressBar_; }

signals:
    void abortRequested();

private:
    QProgressBar* progressBar_;
    QPushButton* abortButton_;
};

}  // namespace zv::ui
