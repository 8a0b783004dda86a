#include "help_window.h"

#include <QDesktopServices>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/cp932_text.h"
#include "ui/ui_fonts.h"
#include "web_addresses.h"

namespace zv::app {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Zelvora! ヘルプ"));
    browser_->setOpenExternalLinks(true);
    QFont font(zv::ui::proportionalFamily());
    font.setPixelSize(14);
    browser_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 720);
}

void HelpWindow::showContents() {
    QFile file(QStringLiteral(":/help/index.html"));
    file.open(QIODevice::ReadOnly);
    // The page names the two web addresses through placeholders, so they live in one place.
    QString page = QString::fromUtf8(file.readAll());
    page.replace(QStringLiteral("SUPPORT_PAGE_ADDRESS"), QString::fromLatin1(kSupportPageAddress));
    page.replace(QStringLiteral("DATA_SERVICE_ADDRESS"), QString::fromLatin1(kDataServiceAddress));
    browser_->setHtml(page);
    show();
    raise();
    activateWindow();
}

QString HelpWindow::pageText() const { return browser_->toPlainText(); }

void showHelp(const std::filesystem::path& dataFolder, std::unique_ptr<HelpWindow>& window) {
    const std::filesystem::path helpFile = dataFolder / "ZV.chm";
    std::error_code ignored;
    if (std::filesystem::exists(helpFile, ignored) &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(ui::fromPath(helpFile)))) {
        return;
    }
    if (!window) window = std::make_unique<HelpWindow>();
    window->showContents();
}

}  // namespace zv::app
