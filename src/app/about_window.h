// The about window: a borderless picture with the version at its top right. At start
// it is the splash, shown at full opacity; from the Help menu it is the version window, shown
// modally and fading in. Either way a click on the picture closes it, and it closes itself when
// it stops being the active window.
#pragma once

#include <QDialog>
#include <QTimer>

namespace zv::app {

// The opacity after one fade-in tick: up by 20, capped at 255 once it would reach 255.
constexpr int nextFadeOpacity(int opacity) { return opacity + 20 >= 255 ? 255 : opacity + 20; }

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* owner = nullptr);

    // The splash: full opacity, no timer, not modal; painted at once.
    void showAsSplash();
    // The version window: starts invisible and fades in while it runs modally.
    int execFadingIn();

    int opacity() const { return opacity_; }
    bool fading() const { return timer_.isActive(); }

    // One tick of the fade-in timer.
    void fadeInStep();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setOpacity(int opacity);

    QTimer timer_;
    int opacity_ = 255;
    bool wasActive_ = false;
};

}  // namespace zv::app
