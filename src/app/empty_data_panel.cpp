#include "empty_data_panel.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ui_fonts.h"

namespace zv::app {

EmptyDataPanel::EmptyDataPanel(QAction* open, QAction* download, QAction* demo, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("emptyDataPanel"));
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, QColor(0xF6, 0xF3, 0xE6));
    setPalette(paper);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 32, 48, 32);
    layout->setSpacing(12);
    layout->addStretch(1);
    auto* heading = new QLabel(QStringLiteral("レースデータが読み込まれていません"), this);
    QFont headingFont = ui::labelFont();
    headingFont.setPixelSize(18);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    auto* hint = new QLabel(
        QStringLiteral("開催日のデータ（出馬表＋競走馬の書庫 .lzh）を読み込むと、ここにレースの一覧が表示されます。\n"
                       "書庫ファイルをこのウィンドウにドロップしても読み込めます。"),
        this);
    hint->setFont(ui::labelFont());
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addSpacing(8);

    const auto button = [&](QAction* action, const char* name, const QString& caption, const QString& explanation) {
        auto* push = new QPushButton(caption, this);
        push->setObjectName(QString::fromLatin1(name));
        push->setMinimumWidth(320);
        connect(push, &QPushButton::clicked, action, &QAction::trigger);
        layout->addWidget(push, 0, Qt::AlignHCenter);
        auto* text = new QLabel(explanation, this);
        text->setFont(ui::labelFont());
        text->setAlignment(Qt::AlignCenter);
        layout->addWidget(text);
    };
    button(open, "openArchiveButton", QStringLiteral("既存のBVOデータを読み込む..."),
           QStringLiteral("購入済みの書庫ファイルを選んで読み込みます"));
    button(download, "downloadButton", QStringLiteral("BVOデータをダウンロードして読み込む..."),
           QStringLiteral("データサービスから購入・ダウンロードします"));
    button(demo, "demoButton", QStringLiteral("デモデータで試す"),
           QStringLiteral("架空の開催日（3場36レース）をデータフォルダに書いて表示します"));
    layout->addStretch(2);
}

}  // namespace zv::app
