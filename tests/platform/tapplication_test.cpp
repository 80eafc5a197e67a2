#include "scalefactors.h"
#include "scripteddialogservices.h"
#include "tapplication.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(TApplication, DesignFontsResolveToInstalledFonts)
{
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Tahoma"))).family(),
              QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family(),
              QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("宋体"))).family(),
              QStringLiteral("WenQuanYi Micro Hei"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("SimSun"))).family(),
              QStringLiteral("WenQuanYi Micro Hei"));
}

TEST(TApplication, ChineseGlyphsAreFound)
{
    EXPECT_TRUE(QFontMetrics(QFont(QStringLiteral("宋体"))).inFont(QChar(u'文')));
    EXPECT_TRUE(QFontMetrics(QFont(QStringLiteral("Tahoma"))).inFont(QChar(u'文')));
    EXPECT_TRUE(QFontMetrics(QApplication::font()).inFont(QChar(u'文')));
}

TEST(TApplication, FixedStyleAndWholeScaleFactors)
{
    EXPECT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
    EXPECT_EQ(QGuiApplication::highDpiScaleFactorRoundingPolicy(),
              Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

TEST(TApplication, ScaleFactorsFromTheEnvironmentAreRoundedToWholeNumbers)
{
    const struct
    {
        const char *Given;
        const char *Rounded;
    } cases[] = {
        {"1.25", "1"},    {"1.5", "2"},        {"1.75", "2"},
        {"2", "2"},       {"2.5", "3"},        {"0.75", "1"},
        {"0.25", "1"},    {"1.5;1.25", "2;1"}, {"DP-1=1.75;HDMI-1=1", "DP-1=2;HDMI-1=1"},
        {"fast", "fast"}, {"0", "0"},          {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RoundedScaleFactors(c.Given), QByteArray(c.Rounded)) << c.Given;
}

TEST(TApplication, QtsOwnDialogsSpeakChinese)
{
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
}

namespace {

class TThrowing : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Resource X not found");
        return QObject::event(event);
    }
};

} // namespace

TEST(TApplication, AnExceptionReachingTheLoopIsShownAndTheProgramGoesOn)
{
    ScriptedDialogServices dialogs;
    TThrowing receiver;
    QEvent event(QEvent::User);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&receiver, &event));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Resource X not found"));
    EXPECT_EQ(dialogs.messages[0].kind, TMessageBoxKind::ErrorOk);

    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&receiver);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}
