#include "bet_lines_window.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <algorithm>

#include "cp932_text.h"
#include "data/data_folder_lock.h"
#include "data/error.h"
#include "data/sjis_chars.h"
#include "data/text_file.h"
#include "done_messages.h"
#include "save_folder.h"
#include "ui_fonts.h"
#include "user_feedback.h"

namespace zv::ui {

namespace {

constexpr size_t kProposedNameBytes = 7;

QString realSaveDialog(QWidget* parent, const QString& proposedName) {
    QFileDialog dialog(parent, QStringLiteral("買い目をテキストファイルとして保存"), lastSaveFolder(),
                       QStringLiteral("テキストファイル(*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(proposedName);
    QString chosen = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    rememberSaveFolderOf(chosen);
    return chosen;
}

}  // namespace

std::string proposedBetTextFileName(std::string_view statusText) {
    size_t end = 0;
    while (end < statusText.size()) {
        const size_t next = end + sjisCharLength(statusText, end);
        if (next > kProposedNameBytes) break;
        end = next;
    }
    return std::string(statusText.substr(0, end)) + ".txt";
}

BetLinesWindow::BetLinesWindow(QWidget* parent)
    // A dialog-type window, not a tool window: Qt lets the parent's short-cuts act in a tool
    // window, and Ctrl+S, Ctrl+C and Ctrl+F4 would then be claimed by both windows.
    : QMainWindow(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      textView_(new QPlainTextEdit(this)),
      statusText_(new QLabel(this)),
      chooseSaveFile_(realSaveDialog) {
    setObjectName(QStringLiteral("betLinesWindow"));
    setWindowTitle(QStringLiteral("買い目の詳細"));
    textView_->setObjectName(QStringLiteral("betLinesText"));
    textView_->setReadOnly(true);
    textView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    textView_->setFont(gridFont());
    setCentralWidget(textView_);
    // The race's title is a permanent part of the status bar: a menu's hints cannot wipe it.
    statusText_->setObjectName(QStringLiteral("statusText"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(statusText_, 1);
    createCommands();
    // Wide enough for the longest line, six trifecta lines of two-digit runners, without scrolling.
    const QString longestLine = QStringLiteral("12-14-16  ").repeated(6).trimmed();
    const int textWidth = QFontMetrics(textView_->font()).horizontalAdvance(longestLine) + 1;  // and the cursor
    const int memoWidth = textWidth + 2 * int(textView_->document()->documentMargin()) + 2 * textView_->frameWidth() +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, textView_);
    setFixedSize(std::max(360, memoWidth + 4), 420);
}

void BetLinesWindow::createCommands() {
    auto* save = new QAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                             QStringLiteral("テキストファイルとして保存(&S)..."), this);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setToolTip(QStringLiteral("保存"));
    auto* close = new QAction(QStringLiteral("買い目の詳細を閉じる(&X)"), this);
    close->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::Key_Escape)});
    auto* copy = new QAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                             QStringLiteral("選択範囲をコピー(&C)"), this);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    copy->setToolTip(QStringLiteral("選択範囲をコピー"));
    auto* selectAll = new QAction(QStringLiteral("すべて選択(&A)"), this);
    selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    for (QAction* action : {save, close, copy, selectAll}) {
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
    }

    connect(save, &QAction::triggered, this, [this] {
        try {
            saveAsText();
        } catch (const Error& error) {
            UserFeedback::system().errorReport(this, QString::fromStdString(error.message()));
        }
    });
    connect(close, &QAction::triggered, this, &QWidget::hide);
    connect(copy, &QAction::triggered, textView_, &QPlainTextEdit::copy);
    connect(selectAll, &QAction::triggered, textView_, &QPlainTextEdit::selectAll);

    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->addAction(save);
    file->addSeparator();
    file->addAction(close);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->addAction(copy);
    edit->addAction(selectAll);

    QToolBar* tools = addToolBar(QStringLiteral("tools"));
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setIconSize(QSize(16, 16));
    tools->toggleViewAction()->setEnabled(false);
    tools->addAction(save);
    tools->widgetForAction(save)->setObjectName(QStringLiteral("saveButton"));
    tools->addAction(copy);
    tools->widgetForAction(copy)->setObjectName(QStringLiteral("copyButton"));

    tools->addSeparator();
    auto* marks = new QActionGroup(this);
    programMarks_ = marks->addAction(QStringLiteral("予想の印"));
    programMarks_->setToolTip(QStringLiteral("予想の印から買い目を作る"));
    ownMarks_ = marks->addAction(QStringLiteral("自印"));
    ownMarks_->setToolTip(QStringLiteral("自印から買い目を作る（消は除く）"));
    for (QAction* choice : {programMarks_, ownMarks_}) {
        choice->setCheckable(true);
        tools->addAction(choice);
    }
    programMarks_->setChecked(true);
    tools->widgetForAction(programMarks_)->setObjectName(QStringLiteral("programMarksButton"));
    tools->widgetForAction(ownMarks_)->setObjectName(QStringLiteral("ownMarksButton"));
    connect(marks, &QActionGroup::triggered, this, [this] { emit marksChosen(this->marks()); });
}

BetMarks BetLinesWindow::marks() const { return ownMarks_->isChecked() ? BetMarks::Own : BetMarks::Program; }

void BetLinesWindow::setContent(const QString& statusText, const QString& text) {
    statusText_->setText(statusText);
    textView_->setPlainText(text);
}

QString BetLinesWindow::text() const { return textView_->toPlainText(); }

QString BetLinesWindow::statusText() const { return statusText_->text(); }

void BetLinesWindow::saveAsText() {
    const std::string proposed = proposedBetTextFileName(toCp932(statusText()));
    const QString chosen = chooseSaveFile_(this, fromCp932(proposed));
    if (chosen.isEmpty()) return;
    writeText(toPath(chosen));
    showDoneMessage(statusBar(), fileDoneMessage(QStringLiteral("買い目を保存しました"), chosen));
}

void BetLinesWindow::writeText(const std::filesystem::path& path) const {
    QString body = text();
    body.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    writeExportFile(path, toCp932(body), FileDurability::Synced);
}

}  // namespace zv::ui
