#include "own_mark_menu.h"

#include <QMenu>

#include "predict/mark_symbols.h"

namespace zv::app {

QMenu* addOwnMarkMenu(QMenu& rowMenu, const std::function<void(int mark)>& setMark) {
    QMenu* marks = rowMenu.addMenu(QStringLiteral("自印(&M)"));
    marks->setObjectName(QStringLiteral("ownMarkMenu"));
    const auto addItem = [&](const QString& text, int mark) {
        QAction* item = marks->addAction(text);
        item->setObjectName(QStringLiteral("ownMark%1").arg(mark + 1));
        QObject::connect(item, &QAction::triggered, marks, [setMark, mark] { setMark(mark); });
    };
    for (int mark = 0; mark < kOwnMarks; ++mark) {
        const std::string_view symbol = kOwnMarkSymbolsUtf8[static_cast<size_t>(mark)];
        addItem(QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size())) +
                    QStringLiteral("\t%1").arg(mark + 1),
                mark);
    }
    marks->addSeparator();
    addItem(QStringLiteral("外す\t0"), -1);
    return marks;
}

}  // namespace zv::app
