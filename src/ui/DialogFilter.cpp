#include "ui/DialogFilter.h"

#include <QStringList>

namespace {

QString qtPatterns(const QString& patterns) {
    QStringList result;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        result << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    return result.join(u' ');
}

// Qt reads the patterns from the description's last parentheses, so any shown there are
// replaced by the converted ones rather than left to contradict them.
QString qtEntry(const QString& description, const QString& patterns) {
    QString shown = description.trimmed();
    if (shown.endsWith(u')')) {
        const qsizetype open = shown.lastIndexOf(u'(');
        if (open >= 0) {
            shown = shown.left(open).trimmed();
        }
    }
    const QString list = qtPatterns(patterns);
    return shown.isEmpty() ? QStringLiteral("(%1)").arg(list)
                           : QStringLiteral("%1 (%2)").arg(shown, list);
}

} // namespace

QString QtFileFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        entries << qtEntry(parts[i], parts[i + 1]);
    }
    return entries.join(QStringLiteral(";;"));
}
