#include "developer_mode.h"

#include <QFile>
#include <QSettings>

#include "data/convert.h"
#include "settings_keys.h"

namespace zv::settings {

std::filesystem::path iniPathFor(const std::filesystem::path& programFile) {
    std::filesystem::path ini = programFile;
    ini.replace_extension(".ini");
    return ini;
}

bool readDeveloperFlag(const std::filesystem::path& iniFile) {
    const QString path = QFile::decodeName(iniFile.c_str());
    if (!QFile::exists(path)) return false;
    const QSettings ini(path, QSettings::IniFormat);
    const QString name = QString::fromUtf8(kIniSection.data(), qsizetype(kIniSection.size())) + QLatin1Char('/') +
                         QString::fromUtf8(kIniDeveloperMode.data(), qsizetype(kIniDeveloperMode.size()));
    const QVariant value = ini.value(name);
    if (!value.isValid()) return false;
    return zv::parseInt(value.toString().toStdString()).value_or(0) != 0;
}

bool readDeveloperMode(const std::filesystem::path& programFile, const std::filesystem::path& dataFolder) {
    const std::filesystem::path beside = iniPathFor(programFile);
    if (readDeveloperFlag(beside)) return true;
    return readDeveloperFlag(dataFolder / beside.filename());
}

}  // namespace zv::settings
