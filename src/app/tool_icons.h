// The tool-bar pictures and the home-page picture link, drawn in code.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace zv::app {

enum class ToolIcon { Download, Open, SelectRace, Previous, Next, Print, Help };

QIcon toolIcon(ToolIcon which);
// The 200 x 26 picture link to the product's home page at the right end of the tool bar.
QPixmap homePageBanner();

}  // namespace zv::app
