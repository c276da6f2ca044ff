#include "FileChooser.h"

#include <QStringList>

namespace vx7::animation {

QString FileChooser::QtNameFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    const QString description = filter.left(bar);
    QString patterns = filter.mid(bar + 1);
    if (patterns.endsWith(QLatin1Char('|')))
        patterns.chop(1);
    const QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return QStringLiteral("%1 (%2)").arg(description, list.join(QLatin1Char(' ')));
}

} // namespace vx7::animation
