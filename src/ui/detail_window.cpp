#include "detail_window.h"

#include <QComboBox>
#include <QVBoxLayout>

#include "ui_fonts.h"

namespace zv::ui {

TfrmSyosai::TfrmSyosai(QWidget* parent) : QWidget(parent, Qt::Window), cmbBamei_(new QComboBox(this)) {
    setObjectName(QStringLiteral("frmSyosai"));
    setWindowTitle(QStringLiteral("詳細情報"));
    setFixedSize(556, 442);
    cmbBamei_->setObjectName(QStringLiteral("cmbBamei"));
    cmbBamei_->setFont(gridFont());
    cmbBamei_->setFixedWidth(200);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmbBamei_, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch();
    connect(cmbBamei_, &QComboBox::currentIndexChanged, this, &TfrmSyosai::runnerSelected);
}

void TfrmSyosai::fillRunners(const QStringList& entries, int selected) {
    {
        const QSignalBlocker quiet(cmbBamei_);
        cmbBamei_->clear();
        cmbBamei_->addItems(entries);
        cmbBamei_->setCurrentIndex(-1);
    }
    // The window's own selection handling runs for the chosen runner, as when the user picks it.
    cmbBamei_->setCurrentIndex(selected);
}

int TfrmSyosai::selectedRunnerIndex() const { return cmbBamei_->currentIndex(); }

QStringList TfrmSyosai::runnerEntries() const {
    QStringList entries;
    for (int i = 0; i < cmbBamei_->count(); ++i) entries << cmbBamei_->itemText(i);
    return entries;
}

}  // namespace zv::ui
