#include "bitmapresource.h"

#include <QFile>
#include <QHash>

namespace {

QString ResourcePath(const QString &name)
{
    return QStringLiteral(":/bitmaps/") + name + QStringLiteral(".png");
}

} // namespace

EResNotFound::EResNotFound(const QString &name)
    : std::runtime_error(QStringLiteral("Resource %1 not found").arg(name).toStdString())
{}

// Resource bitmaps never change, so each is decoded once; callers get
// implicitly shared copies and detach on their first write.
QImage LoadBitmapResource(const QString &name)
{
    static QHash<QString, QImage> cache;
    const auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    QImage image(ResourcePath(name));
    if (image.isNull())
        throw EResNotFound(name);
    image = image.convertToFormat(QImage::Format_RGB32);
    cache.insert(name, image);
    return image;
}

bool HasBitmapResource(const QString &name)
{
    return QFile::exists(ResourcePath(name));
}
