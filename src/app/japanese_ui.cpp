#include "japanese_ui.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string_view>
#include <utility>

#include "ui/ui_fonts.h"

namespace zv::app {
namespace {

// The file dialog's type column: words qtbase_ja does not translate in this Qt version.
class FileTypeWords : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::string_view(context) != "QAbstractFileIconProvider") return {};
        static const std::pair<std::string_view, const char*> kWords[] = {
            {"Folder", "フォルダー"}, {"Drive", "ドライブ"}, {"Shortcut", "ショートカット"},
            {"Alias", "エイリアス"},  {"File", "ファイル"},  {"%1 File", "%1 ファイル"},
        };
        for (const auto& [english, japanese] : kWords) {
            if (english == source) return QString::fromUtf8(japanese);
        }
        return {};
    }
};

}  // namespace

void useJapaneseDatesInQtDialogs() {
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty() && !all.startsWith("ja")) {
        qputenv("LANG", all);
        qunsetenv("LC_ALL");
    }
    qputenv("LC_TIME", "ja_JP.UTF-8");
}

void installJapaneseUi(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
    // Installed last, so it is asked first; it answers only what qtbase_ja leaves in English.
    QCoreApplication::installTranslator(new FileTypeWords(&app));
    zv::ui::installFontSubstitutions();
}

}  // namespace zv::app
