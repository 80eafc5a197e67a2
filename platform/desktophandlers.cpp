#include "desktophandlers.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

// A desktop answers at once; a hung helper must not freeze the window for long.
constexpr int kQueryTimeoutMs = 5000;

std::optional<QString> QueryDefault(const QString &xdgMime, const QString &mimeType)
{
    QProcess query;
    query.setProcessChannelMode(QProcess::SeparateChannels);
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(kQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return std::nullopt;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace

std::optional<QString> DefaultDesktopHandler(const QStringList &mimeTypes)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return std::nullopt;
    bool asked = false;
    for (const QString &mimeType : mimeTypes) {
        const std::optional<QString> handler = QueryDefault(xdgMime, mimeType);
        if (!handler)
            continue;
        asked = true;
        if (!handler->isEmpty())
            return handler;
    }
    if (!asked)
        return std::nullopt;
    return QString();
}
