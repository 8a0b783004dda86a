// What the main window shows in the grid's place while no data set is loaded: what to do next,
// with a button for each way in (open an archive, buy and download one, try the demo day).
#pragma once

#include <QWidget>

class QAction;

namespace zv::app {

class EmptyDataPanel : public QWidget {
    Q_OBJECT
public:
    // Each button triggers its action (the same commands as the menus).
    EmptyDataPanel(QAction* open, QAction* download, QAction* demo, QWidget* parent = nullptr);
};

}  // namespace zv::app
