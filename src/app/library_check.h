// At start, a library whose database cannot be used (damaged, another program's, of a later
// version) is named in a question that offers to make it again from the kept records; the data
// folder's day is on screen either way.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "ui/user_feedback.h"

class QProgressBar;
class QWidget;

namespace zv::app {

struct LibraryCheckSetup {
    std::filesystem::path dataFolder;
    ui::UserFeedback feedback;
    QWidget* parent = nullptr;
    QProgressBar* progressBar = nullptr;           // the rebuild's progress
    std::function<void(const QString&)> tellDone;  // the rebuild's outcome, in the status bar
};

void offerLibraryRebuild(const LibraryCheckSetup& setup);

}  // namespace zv::app
