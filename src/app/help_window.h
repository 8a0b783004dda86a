// The help shown when no "ZV.chm" lies in the data folder: the Japanese help page that ships
// with the program, in a window of its own. Links to web pages open in the browser.
#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>

class QTextBrowser;

namespace zv::app {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page from its table of contents.
    void showContents();
    QString pageText() const;

private:
    QTextBrowser* browser_;
};

// The help command: "ZV.chm" of the data folder when it is there and the system opens it, else
// the shipped page in window (created at the first call).
void showHelp(const std::filesystem::path& dataFolder, std::unique_ptr<HelpWindow>& window);

}  // namespace zv::app
