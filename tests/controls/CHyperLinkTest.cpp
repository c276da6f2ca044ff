#include "controls/CHyperLink.h"
#include "support/ScriptedPrompt.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace vx7::controls;

namespace {

struct Recorder {
    QStringList shell, fallback;
    int shellResult = 42;
    int fallbackResult = -1;
    LinkOpener Opener() {
        return {[this](const QString& t) {
                    shell << t;
                    return shellResult;
                },
                [this](const QString& t) {
                    fallback << t;
                    return fallbackResult;
                }};
    }
};

void Press(QWidget* w, QEvent::Type type) {
    QMouseEvent e(type, QPointF(2, 2), QPointF(w->mapToGlobal(QPoint(2, 2))), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

TEST(CHyperLinkTest, TextAndTargetStandInForEachOther) {
    vx7::test::ScriptedPrompt prompt;
    CHyperLink a("http://a.example", "", prompt);
    EXPECT_EQ(a.Target(), "http://a.example");
    CHyperLink b("", "http://b.example", prompt);
    EXPECT_EQ(b.text(), "http://b.example");
    EXPECT_EQ(b.toolTip(), "http://b.example");
    EXPECT_TRUE(b.font().underline());
    EXPECT_EQ(b.LinkStyle(), 0x15);
    CHyperLink plain("x", "y", prompt, nullptr, 0x04);
    EXPECT_FALSE(plain.font().underline());
}

TEST(CHyperLinkTest, OpensOnReleaseByDefaultAndOnPressWithBit8) {
    vx7::test::ScriptedPrompt prompt;
    Recorder rec;
    CHyperLink link("site", "http://s.example", prompt);
    link.SetOpener(rec.Opener());
    Press(&link, QEvent::MouseButtonPress);
    EXPECT_TRUE(rec.shell.isEmpty());
    EXPECT_TRUE(link.IsPressedOrFocused());
    Press(&link, QEvent::MouseButtonRelease);
    EXPECT_EQ(rec.shell.size(), 1);
    EXPECT_TRUE(link.IsVisited());

    CHyperLink onPress("site", "http://p.example", prompt, nullptr, 0x15 | 0x08);
    onPress.SetOpener(rec.Opener());
    Press(&onPress, QEvent::MouseButtonPress);
    EXPECT_EQ(rec.shell.size(), 2);
    Press(&onPress, QEvent::MouseButtonRelease);
    EXPECT_EQ(rec.shell.size(), 2);
}

TEST(CHyperLinkTest, ColoursFollowHoverFocusAndVisits) {
    vx7::test::ScriptedPrompt prompt;
    Recorder rec;
    CHyperLink link("site", "t", prompt, nullptr, 0x15 | 0x02);
    link.SetOpener(rec.Opener());
    link.resize(60, 20);
    link.show();
    EXPECT_EQ(link.CurrentColour(), CHyperLink::kLinkColour);
    QMouseEvent in(QEvent::MouseMove, QPointF(3, 3), QPointF(link.mapToGlobal(QPoint(3, 3))), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&link, &in);
    EXPECT_TRUE(link.IsOver());
    EXPECT_EQ(link.CurrentColour(), CHyperLink::kHoverColour);
    QMouseEvent out(QEvent::MouseMove, QPointF(500, 3), QPointF(link.mapToGlobal(QPoint(500, 3))),
                    Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&link, &out);
    EXPECT_FALSE(link.IsOver());
    EXPECT_EQ(link.CurrentColour(), CHyperLink::kLinkColour);
    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(&link, &focus);
    EXPECT_EQ(link.CurrentColour(), CHyperLink::kFocusColour);
    QTest::keyClick(&link, Qt::Key_Space);
    EXPECT_EQ(rec.shell.size(), 1);
    QFocusEvent blur(QEvent::FocusOut);
    QCoreApplication::sendEvent(&link, &blur);
    EXPECT_EQ(link.CurrentColour(), CHyperLink::kVisitedColour);
    EXPECT_EQ(CHyperLink::kVisitedColour, MakeColourRef(128, 0, 128));
    EXPECT_EQ(CHyperLink::kFocusColour, MakeColourRef(0, 128, 128));
    EXPECT_EQ(CHyperLink::kHoverColour, MakeColourRef(255, 0, 0));
}

TEST(CHyperLinkTest, FallbackDecidesWhenTheShellFails) {
    vx7::test::ScriptedPrompt prompt;
    Recorder rec;
    rec.shellResult = 31;
    rec.fallbackResult = 33;
    EXPECT_TRUE(CHyperLink::OpenTarget("t", prompt, rec.Opener()));
    EXPECT_TRUE(prompt.shown.empty());
    rec.fallbackResult = 32;
    EXPECT_FALSE(CHyperLink::OpenTarget("t", prompt, rec.Opener()));
    EXPECT_EQ(prompt.Texts().last(), "Can't open link:\n\nThe specified dynamic-link library was not found.");
    rec.fallbackResult = -1; // no web-page program registered: the user is told so, with the address
    EXPECT_FALSE(CHyperLink::OpenTarget("http://www.vantor.com.cn", prompt, rec.Opener()));
    EXPECT_EQ(prompt.Texts().last(), "本机没有设置可以打开此链接的浏览器程序。\n\n请复制下面的地址, "
                                     "在浏览器中打开:\nhttp://www.vantor.com.cn");
    EXPECT_EQ(LinkErrorText(77), "Unknown Error (77) occurred.");
    EXPECT_EQ(LinkErrorText(26), "A sharing violation occurred. ");
}

TEST(CHyperLinkTest, EmptyLinkReportsTheShellError) {
    vx7::test::ScriptedPrompt prompt;
    LinkOpener desktop = LinkOpener::Desktop();
    desktop.htmlFallback = {};
    EXPECT_FALSE(CHyperLink::OpenTarget("", prompt, desktop));
    EXPECT_EQ(prompt.Texts().last(), "Can't open link:\n\nThe specified file was not found.");
}

TEST(CHyperLinkTest, FitRectFollowsTheAlignment) {
    const QRect r(10, 10, 100, 40);
    const QSize text(40, 12);
    EXPECT_EQ(CHyperLink::FitRect(r, text, Qt::AlignLeft | Qt::AlignTop), QRect(10, 10, 40, 12));
    EXPECT_EQ(CHyperLink::FitRect(r, text, Qt::AlignHCenter | Qt::AlignVCenter), QRect(40, 24, 40, 12));
    EXPECT_EQ(CHyperLink::FitRect(r, text, Qt::AlignRight | Qt::AlignTop), QRect(70, 10, 40, 12));
}
