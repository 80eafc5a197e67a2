#include "tapplication.h"

#include "dialogservices.h"
#include "qttranslations.h"
#include "scalefactors.h"

#include <QFont>
#include <QStyleFactory>

#include <exception>

namespace {

// The scale factor is rounded to a whole number so that skin bitmaps stay
// sharp, both the one derived from the screen and those the desktop gives
// through the environment; both must be set before the application object exists.
int &BeforeApplication(int &argc)
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    RoundScaleFactorsInEnvironment();
    return argc;
}

const QString chineseFamily = QStringLiteral("WenQuanYi Micro Hei");

// The windows are laid out for the fonts of another system: map them onto
// installed fonts of close metrics, with Chinese glyphs everywhere.
void SubstituteFonts()
{
    const QStringList latin = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                               chineseFamily};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), latin);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), latin);
    QFont::insertSubstitution(QStringLiteral("宋体"), chineseFamily);
    QFont::insertSubstitution(QStringLiteral("SimSun"), chineseFamily);
    const QString defaultFamily = QApplication::font().family();
    if (defaultFamily != chineseFamily)
        QFont::insertSubstitution(defaultFamily, chineseFamily);
}

} // namespace

TApplication::TApplication(int &argc, char **argv) : QApplication(BeforeApplication(argc), argv)
{
    SubstituteFonts();
    InstallQtChineseTranslation(*this);
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        setStyle(fusion);
}

// An exception that reaches the event loop is shown, and the program goes on.
bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ShowException(QString::fromUtf8(e.what()));
    }
    return false;
}

void TApplication::ShowException(const QString &message)
{
    DialogServices().MessageBox(message, applicationDisplayName(), TMessageBoxKind::ErrorOk);
}
