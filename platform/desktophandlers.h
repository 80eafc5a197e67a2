#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The desktop's default application for any of the given MIME types, as
// `xdg-mime query default` reports it (the desktop file's name, such as
// "firefox-esr.desktop"): an empty string when the desktop has none, nothing
// when it cannot be asked (xdg-mime missing or failing).
std::optional<QString> DefaultDesktopHandler(const QStringList &mimeTypes);
