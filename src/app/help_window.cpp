#include "help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/ui_fonts.h"
#include "web_addresses.h"

namespace zv::app {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
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

}  // namespace zv::app
