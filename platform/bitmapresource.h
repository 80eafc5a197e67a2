#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>

// Raised when no bitmap resource carries the name asked for.
class EResNotFound : public std::runtime_error
{
public:
    explicit EResNotFound(const QString &name);
};

// Loads a bitmap resource of the program by name ("DEEPBLUE_BUTTON_NORMAL").
// Raises EResNotFound with "Resource NAME not found" for an unknown name.
QImage LoadBitmapResource(const QString &name);
bool HasBitmapResource(const QString &name);
