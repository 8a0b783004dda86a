#include "date_query.h"

#include <QRegularExpression>
#include <QStringList>

namespace zv::ui {

bool dateMatchesQuery(int date, const QString& query) {
    static const QRegularExpression notDigits(QStringLiteral("[^0-9]+"));
    const QStringList numbers = query.normalized(QString::NormalizationForm_KC).split(notDigits, Qt::SkipEmptyParts);
    QString wanted;
    for (const QString& number : numbers)
        wanted += numbers.size() == 1 || number.size() >= 4 ? number : number.rightJustified(2, QLatin1Char('0'));
    return QString::number(date).contains(wanted);
}

}  // namespace zv::ui
