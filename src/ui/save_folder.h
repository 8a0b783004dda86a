// One folder for the save dialogs of every export (bet-line files, the index file, the bet-line
// text, the report CSV): each starts where the user saved last. The program keeps the folder in
// its settings between runs.
#pragma once

#include <QString>

namespace zv::ui {

// The folder to start a save dialog in; empty (the dialog's own choice) before any save.
QString lastSaveFolder();
void setLastSaveFolder(const QString& folder);
// Remembers the folder of a file the user chose to save to; an empty name changes nothing.
void rememberSaveFolderOf(const QString& savedFile);

}  // namespace zv::ui
