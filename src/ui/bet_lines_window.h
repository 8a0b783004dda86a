// The bet-line window: the race's bet lines as read-only text, with the race's
// second title line in its status bar; the text can be saved to a file, copied and selected.
// Its tool bar chooses whose marks the lines come from: the program's or the user's own.
// Ctrl+F4 or Esc closes it.
// Hidden and shown, never destroyed, so that its position can be saved when the program ends.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

class QAction;
class QPlainTextEdit;
class QLabel;

namespace zv::ui {

// The proposed save name: the first 7 bytes of the CP932 status text and ".txt". A character cut
// in two by the seventh byte is left out, so the name stays valid text.
std::string proposedBetTextFileName(std::string_view statusText);

// Whose marks the bet lines are made from.
enum class BetMarks { Program, Own };

class BetLinesWindow : public QMainWindow {
    Q_OBJECT
public:
    // Asks for the file to save to (the proposed name given); an empty answer cancels.
    using SaveFileChooser = std::function<QString(QWidget* parent, const QString& proposedName)>;

    explicit BetLinesWindow(QWidget* parent = nullptr);

    // Replaces the text and the status text (UTF-8 for display).
    void setContent(const QString& statusText, const QString& text);
    QString text() const;
    QString statusText() const;
    QPlainTextEdit* textView() const { return textView_; }

    // The marks chosen in the tool bar; the program's at first.
    BetMarks marks() const;

    // The save command: asks for a file and writes the text to it as CP932 with CR LF line ends,
    // nothing after the last line; the status bar then says where for a few seconds.
    // Throws zv::Error when the file cannot be written (the old file stays as it was).
    void saveAsText();
    void writeText(const std::filesystem::path& path) const;
    void setSaveFileChooser(SaveFileChooser chooser) { chooseSaveFile_ = std::move(chooser); }

signals:
    // The user chose other marks: the text is to be made again.
    void marksChosen(BetMarks marks);

private:
    void createCommands();

    QPlainTextEdit* textView_;
    QAction* programMarks_ = nullptr;
    QAction* ownMarks_ = nullptr;
    QLabel* statusText_;
    SaveFileChooser chooseSaveFile_;
};

}  // namespace zv::ui
