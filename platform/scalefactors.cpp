#include "scalefactors.h"

#include <QList>
#include <QtGlobal>

#include <cmath>

namespace {

const char *const kScaleVariables[] = {"QT_SCREEN_SCALE_FACTORS", "QT_SCALE_FACTOR"};

// One factor, rounded half up as Qt rounds the resolution-derived one.
QByteArray RoundedFactor(const QByteArray &factor)
{
    bool ok = false;
    const double value = factor.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0)
        return factor;
    return QByteArray::number(qMax(1, qRound(value)));
}

// One entry of the list: a bare factor or "screen=factor".
QByteArray RoundedEntry(const QByteArray &entry)
{
    const qsizetype equals = entry.lastIndexOf('=');
    if (equals < 0)
        return RoundedFactor(entry);
    return entry.left(equals + 1) + RoundedFactor(entry.mid(equals + 1));
}

} // namespace

QByteArray RoundedScaleFactors(const QByteArray &factors)
{
    QList<QByteArray> entries = factors.split(';');
    for (QByteArray &entry : entries)
        entry = RoundedEntry(entry);
    return entries.join(';');
}

void RoundScaleFactorsInEnvironment()
{
    for (const char *name : kScaleVariables) {
        if (!qEnvironmentVariableIsSet(name))
            continue;
        const QByteArray given = qgetenv(name);
        const QByteArray rounded = RoundedScaleFactors(given);
        if (rounded != given)
            qputenv(name, rounded);
    }
}
