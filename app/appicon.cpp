#include "appicon.h"

QIcon ProgramWindowIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/org.quorvel.Marlune.png").arg(side),
                     QSize(side, side));
    return icon;
}
