#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QShortcutEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "controls/chameleon_button.h"
#include "controls/gdi_canvas.h"

using namespace quorvex;

namespace {

// A shown container with one button of the given look.
struct Fixture {
    explicit Fixture(int look = 3, bool check = false) {
        PropertyBag bag = chameleonButtonDesignBag(2);
        bag.writeAlways("BTYPE", std::int64_t{look});
        bag.writeAlways("TX", std::string("E&xit"));
        bag.writeAlways("CHECK", check);
        container = std::make_unique<QWidget>();
        container->resize(300, 120);
        button = new chameleonButton(bag, container.get());
        button->setGeometry(10, 10, 120, 33);
        other = new chameleonButton(container.get(), QStringLiteral("other"));
        other->setGeometry(10, 60, 120, 33);
        container->show();
        QApplication::setActiveWindow(container.get());
        other->setFocus();
    }
    void enter() {
        QEnterEvent e(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
        QApplication::sendEvent(button, &e);
    }
    void leave() {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(button, &e);
    }
    void accessKey(Qt::Key key) {
        QShortcutEvent e(QKeySequence(QKeyCombination(Qt::AltModifier, key)), 0);
        QApplication::sendEvent(button, &e);
    }
    std::unique_ptr<QWidget> container;
    chameleonButton* button = nullptr;
    chameleonButton* other = nullptr;
};

}  // namespace

TEST(ChameleonButton, CheckBehaviourTogglesByMouseSpaceAndAccessKey) {
    Fixture f(3, true);
    QSignalSpy clicks(f.button, &chameleonButton::Click);
    QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_TRUE(f.button->Value());
    EXPECT_TRUE(f.button->isDrawnPressed()) << "a checked button stays pressed";
    f.button->setFocus();
    QTest::keyClick(f.button, Qt::Key_Space);
    EXPECT_FALSE(f.button->Value());
    EXPECT_FALSE(f.button->isDrawnPressed());
    f.accessKey(Qt::Key_X);
    EXPECT_TRUE(f.button->Value());
    EXPECT_EQ(clicks.count(), 3);
}

TEST(ChameleonButton, RightButtonNeitherPressesNorClicks) {
    Fixture f;
    QSignalSpy clicks(f.button, &chameleonButton::Click);
    QSignalSpy downs(f.button, &chameleonButton::MouseDown);
    const QImage before = f.button->image();
    QTest::mousePress(f.button, Qt::RightButton, {}, QPoint(20, 15));
    EXPECT_FALSE(f.button->isDrawnPressed());
    EXPECT_EQ(downs.count(), 1) << "the event is still passed on";
    QTest::mouseRelease(f.button, Qt::RightButton, {}, QPoint(20, 15));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_TRUE(f.button->isDrawnPressed());
    EXPECT_NE(f.button->image(), before);
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ChameleonButton, HoverRaisesMouseOverOnceAndMouseOutOnLeaving) {
    Fixture f;
    QSignalSpy over(f.button, &chameleonButton::MouseOver);
    QSignalSpy out(f.button, &chameleonButton::MouseOut);
    const QImage normal = f.button->image();
    f.enter();
    QTest::mouseMove(f.button, QPoint(20, 15));
    QTest::mouseMove(f.button, QPoint(30, 16));
    f.enter();
    EXPECT_EQ(over.count(), 1);
    EXPECT_TRUE(f.button->isHovering());
    EXPECT_NE(f.button->image(), normal) << "hover look";
    f.leave();
    EXPECT_EQ(out.count(), 1);
    EXPECT_FALSE(f.button->isHovering());
    EXPECT_EQ(f.button->image(), normal);
    f.leave();
    EXPECT_EQ(out.count(), 1);
}

TEST(ChameleonButton, AccessKeyRules) {
    const struct {
        const char* caption;
        QChar key;
    } cases[] = {
        {"&Open", QLatin1Char('o')},
        {"Save && E&xit", QLatin1Char('x')},
        {"Fish && Chips", QChar()},
        {"&&", QChar()},
        {"&", QChar()},
        {"", QChar()},
        {"Ends&", QChar()},
        {"a&&&B", QLatin1Char('b')},
        {"&&x &y", QLatin1Char('y')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(button::accessKey(QString::fromLatin1(c.caption)), c.key) << c.caption;
}

TEST(ChameleonButton, DisabledButtonIgnoresClicksAndLooksDisabled) {
    Fixture f;
    const QImage enabled = f.button->image();
    f.button->setEnabledState(false);
    EXPECT_NE(f.button->image(), enabled);
    QSignalSpy clicks(f.button, &chameleonButton::Click);
    QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(20, 15));
    f.accessKey(Qt::Key_X);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(f.button->isDrawnPressed());
}

TEST(ChameleonButton, ConditionsOfEveryLookDiffer) {
    for (int look = 1; look <= 14; ++look) {
        SCOPED_TRACE(look);
        button::Look l;
        l.buttonType = look;
        l.colours = button::deriveColours({.scheme = 3, .look = look});
        l.caption = QStringLiteral("Go");
        const QImage normal = button::paintButton(60, 24, l);
        l.pressed = true;
        EXPECT_NE(button::paintButton(60, 24, l), normal) << "pressed";
        l.pressed = false;
        l.enabled = false;
        EXPECT_NE(button::paintButton(60, 24, l), normal) << "disabled";
        l.enabled = true;
        l.focus = true;
        EXPECT_NE(button::paintButton(60, 24, l), normal) << "focused";
        EXPECT_TRUE(button::paintButton(0, 24, l).isNull());
    }
}

TEST(ChameleonButton, RegionsOfRoundedAndOvalLooks) {
    const QRegion rounded = button::buttonRegion(3, 40, 20);
    for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(39, 0), QPoint(38, 0),
                     QPoint(39, 1), QPoint(0, 19), QPoint(39, 19), QPoint(38, 19)})
        EXPECT_FALSE(rounded.contains(p)) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 1), QPoint(2, 0), QPoint(0, 2), QPoint(38, 18), QPoint(20, 10)})
        EXPECT_TRUE(rounded.contains(p)) << p.x() << "," << p.y();

    const QRegion oval = button::buttonRegion(13, 40, 20);
    EXPECT_TRUE(oval.contains(QPoint(20, 10)));
    EXPECT_TRUE(oval.contains(QPoint(1, 10)));
    EXPECT_FALSE(oval.contains(QPoint(2, 2)));
    EXPECT_FALSE(oval.contains(QPoint(38, 18)));

    Fixture f(13);
    EXPECT_EQ(f.button->mask(), button::buttonRegion(13, 120, 33));
}

TEST(ChameleonButton, ArrowKeysMoveTheFocus) {
    Fixture f;
    f.button->setFocus();
    ASSERT_TRUE(f.button->hasFocus());
    QTest::keyClick(f.button, Qt::Key_Down);
    EXPECT_TRUE(f.other->hasFocus());
    QTest::keyClick(f.other, Qt::Key_Left);
    EXPECT_TRUE(f.button->hasFocus());
}

TEST(ChameleonButton, SchemeColoursDeriveFromTheFace) {
    using colour::rgb;
    const button::Colours two = button::deriveColours(
        {.scheme = 2, .look = 3, .backColor = rgb(100, 100, 100), .backOver = rgb(10, 20, 30)});
    EXPECT_EQ(two.face, rgb(100, 100, 100));
    EXPECT_EQ(two.light, rgb(131, 131, 131));
    EXPECT_EQ(two.darkShadow, rgb(0, 0, 0));
    EXPECT_EQ(two.xpFace, rgb(148, 148, 125));  // blue + 100 * 48 / 192
    const button::Colours hovered = button::deriveColours({.scheme = 2,
                                                           .backColor = rgb(100, 100, 100),
                                                           .backOver = rgb(10, 20, 30),
                                                           .hovering = true});
    EXPECT_EQ(hovered.face, rgb(10, 20, 30));
    EXPECT_EQ(hovered.highlight, rgb(57, 67, 77));
    EXPECT_EQ(colour::shiftColor(rgb(250, 5, 100), 20, false, true), rgb(255, 15, 110));
    EXPECT_EQ(colour::shiftColor(rgb(250, 5, 100), -20, false), rgb(230, 0, 80));
}

TEST(ChameleonButton, SavesEveryKeyAndReadsThemBack) {
    PropertyBag design = chameleonButtonDesignBag(3);
    auto b = std::make_unique<chameleonButton>(design);
    EXPECT_EQ(chameleonButton::Version(), QStringLiteral("2.0.6"));
    EXPECT_EQ(b->Caption(), QStringLiteral("Disable Optimized Configuration"));
    EXPECT_FALSE(b->Enabled());
    EXPECT_EQ(b->ButtonType(), 3);
    EXPECT_EQ(b->Font().family(), QStringLiteral("Tahoma"));
    PropertyBag saved;
    b->writeProperties(saved);
    EXPECT_EQ(saved.size(), 23u);
    EXPECT_EQ(saved.readInt("bcolo", 0), std::int64_t{colour::rgb(236, 233, 216)});
    EXPECT_FALSE(saved.readBool("enab", true));
    PropertyBag again;
    chameleonButton(saved).writeProperties(again);
    EXPECT_EQ(again, saved);

    b->setHandPointer(true);
    EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor);
    b->setHandPointer(false);
    EXPECT_EQ(b->cursor().shape(), Qt::ArrowCursor);
}

TEST(ChameleonButton, TransparentLookShowsTheContainerBehindIt) {
    QWidget container;
    container.resize(200, 80);
    QPalette pal = container.palette();
    pal.setColor(QPalette::Window, QColor(10, 120, 30));
    container.setPalette(pal);
    container.setAutoFillBackground(true);
    PropertyBag bag;
    bag.writeAlways("BTYPE", std::int64_t{11});
    bag.writeAlways("TX", std::string("x"));
    auto* b = new chameleonButton(bag, &container);
    b->setGeometry(20, 20, 100, 30);
    container.show();
    b->Refresh();
    EXPECT_EQ(b->height(), 30) << "the button gets its height back";
    EXPECT_EQ(fromQColor(QColor(b->image().pixel(2, 2))), colour::rgb(10, 120, 30));
}

TEST(ChameleonButton, FirefoxPageInstancesTakeTheirDesignValues) {
    QWidget page;
    chameleonButton* disable = makeChameleonButton(3, &page);
    chameleonButton* enable = makeChameleonButton(2, &page);
    EXPECT_FALSE(disable->Enabled());
    EXPECT_TRUE(enable->Enabled());
    EXPECT_EQ(enable->Caption(), QStringLiteral("Enable Optimized Configuration"));
    for (chameleonButton* b : {disable, enable}) {
        EXPECT_EQ(b->ButtonType(), 3);
        EXPECT_EQ(b->ColorScheme(), 1);
        EXPECT_TRUE(b->ShowFocusRect());
        EXPECT_TRUE(b->UseMaskColor());
        EXPECT_EQ(b->MaskColor(), colour::rgb(192, 192, 192));
        EXPECT_EQ(b->BackColor(), colour::rgb(236, 233, 216));
        EXPECT_EQ(b->ForeOver(), colour::kBlack);
        EXPECT_DOUBLE_EQ(b->FontSize(), 8.25);
    }
}
