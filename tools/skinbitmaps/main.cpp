// Draws the style bitmaps of the five built-in styles, the common pictures and
// the program icon, and a contact sheet per style.
//
//   gen_skin_bitmaps [SOURCE_DIR]
//
// writes SOURCE_DIR/resources/bitmaps/NAME.png, SOURCE_DIR/resources/icons/
// (hicolor/<N>x<N>/apps/org.quorvel.Marlune.png for every icon size)
// and SOURCE_DIR/docs/skins/<style>.png. SOURCE_DIR defaults to the source
// tree the tool was built from.

#include "catalogue.h"
#include "contactsheet.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

static bool Save(const QImage &image, const QString &path)
{
    if (image.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

// The bitmap folder holds exactly what this run draws: stale names go.
static void ClearBitmaps(QDir dir)
{
    for (const QString &file : dir.entryList({"*.png"}, QDir::Files))
        dir.remove(file);
}

int main(int argc, char **argv)
{
    // Labels on the contact sheets need fonts, not a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const QDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QM_SOURCE_DIR));
    const QDir bitmaps(root.filePath("resources/bitmaps"));
    const QDir icons(root.filePath("resources/icons"));
    const QDir sheets(root.filePath("docs/skins"));
    for (const QDir &dir : {bitmaps, icons, sheets})
        if (!dir.mkpath(".")) {
            QTextStream(stderr) << "cannot create " << dir.path() << '\n';
            return 1;
        }
    ClearBitmaps(bitmaps);

    bool ok = true;
    int count = 0;
    auto saveAll = [&](const std::vector<NamedPicture> &pictures) {
        for (const NamedPicture &np : pictures) {
            ok = Save(np.image, bitmaps.filePath(np.name + ".png")) && ok;
            ++count;
        }
    };
    for (const StylePalette &style : BuiltInStyles()) {
        const std::vector<NamedPicture> pictures = StylePictures(style);
        saveAll(pictures);
        ok = Save(StyleContactSheet(style, pictures),
                  sheets.filePath(style.title.toLower() + ".png")) &&
             ok;
    }
    const std::vector<NamedPicture> common = CommonPictures();
    saveAll(common);
    const QImage largeIcon = ProgramIcon(256);
    ok = Save(largeIcon, icons.filePath("quorvel-marlune.png")) && ok;
    for (int side : kProgramIconSizes) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(side);
        ok = icons.mkpath(folder) &&
             Save(ProgramIcon(side), icons.filePath(folder + "/org.quorvel.Marlune.png")) && ok;
    }
    ok = Save(CommonContactSheet(common, largeIcon), sheets.filePath("common.png")) && ok;
    QTextStream(stdout) << count << " bitmaps written to " << bitmaps.path() << '\n';
    return ok ? 0 : 1;
}
