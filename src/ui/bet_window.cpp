#include "bet_window.h"

#include <QPlainTextEdit>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui_fonts.h"

namespace zv::ui {

TfrmKaime::TfrmKaime(QWidget* parent)
    : QWidget(parent, Qt::Tool), memo1_(new QPlainTextEdit(this)), statusBar_(new QStatusBar(this)) {
    setObjectName(QStringLiteral("frmKaime"));
    setWindowTitle(QStringLiteral("買い目の詳細"));
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->setFont(gridFont());
    statusBar_->setSizeGripEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(memo1_);
    layout->addWidget(statusBar_);
    setFixedSize(360, 420);
}

void TfrmKaime::setContent(const QString& statusText, const QString& text) {
    statusBar_->showMessage(statusText);
    memo1_->setPlainText(text);
}

QString TfrmKaime::text() const { return memo1_->toPlainText(); }

QString TfrmKaime::statusText() const { return statusBar_->currentMessage(); }

}  // namespace zv::ui
