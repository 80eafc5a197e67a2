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
