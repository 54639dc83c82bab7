#include "install/roomverdict.h"

#include <cmath>

namespace roomverdict {
namespace {

QString listed(const QStringList &folders)
{
    if (folders.size() < 2)
        return folders.value(0);
    return folders.mid(0, folders.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + folders.last();
}

QString placeOf(const roomneeds::Volume &volume)
{
    return volume.mountPoint.isEmpty() ? volume.ancestor : volume.mountPoint;
}

} // namespace

Verdict judge(const std::vector<roomneeds::Need> &needs)
{
    Verdict verdict;
    for (const roomneeds::Need &need : needs) {
        const QString folders = listed(need.folders);
        const QString place = placeOf(need.volume);
        if (!need.volume.capacity) {
            verdict.unchecked.append(
                QStringLiteral("The room for %1 was not checked: %2.").arg(folders, need.volume.error));
            continue;
        }
        const roomneeds::Capacity &capacity = *need.volume.capacity;
        if (capacity.readOnly) {
            if (need.writes > 0)
                verdict.refusals.append(
                    QStringLiteral("Cannot write to %1: %2 is mounted read-only.").arg(folders, place));
            continue;
        }
        if (need.bytes > capacity.freeBytes) {
            // Needed is rounded up and free down, so a shortfall never reads as enough.
            verdict.refusals.append(QStringLiteral("Not enough room for %1: %2 needed on %3, %4 free.")
                                        .arg(folders, readableSize(need.bytes, Rounding::up), place,
                                             readableSize(capacity.freeBytes, Rounding::down)));
        }
        if (capacity.countsInodes && need.inodes > capacity.freeInodes) {
            verdict.refusals.append(QStringLiteral("Not enough inodes for %1: %2 new files and folders needed on %3, "
                                                   "%4 free.")
                                        .arg(folders)
                                        .arg(need.inodes)
                                        .arg(place)
                                        .arg(capacity.freeInodes));
        }
    }
    return verdict;
}

QString summary(const Verdict &verdict)
{
    return (QStringList{QStringLiteral("Nothing was installed.")} + verdict.refusals).join(u' ');
}

QStringList logLines(const Verdict &verdict)
{
    return QStringList{QStringLiteral("Nothing was installed.")} + verdict.refusals + verdict.unchecked;
}

QString readableSize(qint64 bytes, Rounding rounding)
{
    if (bytes < 1000)
        return QStringLiteral("%1 bytes").arg(bytes);
    static constexpr const char *units[] = {"kB", "MB", "GB", "TB", "PB", "EB"};
    long double unit = 1000;
    for (const char *name : units) {
        const long double value = static_cast<long double>(bytes) / unit;
        const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
        const long double scale = std::pow(10.0L, decimals);
        const long double scaled = rounding == Rounding::up ? std::ceil(value * scale) : std::floor(value * scale);
        // 999.6 kB rounded up is 1 MB.
        if (scaled / scale >= 1000 && name != units[std::size(units) - 1]) {
            unit *= 1000;
            continue;
        }
        QString text = QString::number(double(scaled / scale), 'f', decimals);
        if (text.contains(u'.')) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(u'.'))
                text.chop(1);
        }
        return text + u' ' + QLatin1StringView(name);
    }
    return QString();
}

} // namespace roomverdict
