#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

#include <QApplication>
#include <QShortcutEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "app/controls/chameleon_button_widget.h"
#include "app/controls/qt_surface.h"
#include "model/settings_description.h"

using namespace quorvex;

namespace {

const layout::Button& firefoxButton(const char* name) {
    for (const layout::Button& b : layout::kFirefoxButtons)
        if (std::string_view(b.name) == name) return b;
    throw std::out_of_range(name);
}

// A shown container with one button of the given look.
struct Fixture {
    explicit Fixture(int look = 3, bool check = false) {
        PropertyBag bag = chameleonButtonDesignBag(layout::kFirefoxButtonDesign,
                                                   firefoxButton(firefox::kEnableButton));
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
    void accessKey(Qt::Key key) {
        QShortcutEvent e(QKeySequence(QKeyCombination(Qt::AltModifier, key)), 0);
        QApplication::sendEvent(button, &e);
    }
    std::unique_ptr<QWidget> container;
    chameleonButton* button = nullptr;
    chameleonButton* other = nullptr;
};

}  // namespace

// The rules themselves are tested on the core button; these check that Qt's events reach it.
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
    QTest::keyClick(f.button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2) << "Enter does not click";
    f.accessKey(Qt::Key_X);
    EXPECT_TRUE(f.button->Value());
    EXPECT_EQ(clicks.count(), 3);
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

TEST(ChameleonButton, ArrowKeysMoveTheFocus) {
    Fixture f;
    f.button->setFocus();
    ASSERT_TRUE(f.button->hasFocus());
    QTest::keyClick(f.button, Qt::Key_Down);
    EXPECT_TRUE(f.other->hasFocus());
    QTest::keyClick(f.other, Qt::Key_Left);
    EXPECT_TRUE(f.button->hasFocus());
}

TEST(ChameleonButton, SavesEveryKeyAndReadsThemBack) {
    PropertyBag design = chameleonButtonDesignBag(layout::kFirefoxButtonDesign,
                                                  firefoxButton(firefox::kDisableButton));
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
    EXPECT_EQ(b->image().pixel(2, 2), qRgb(10, 120, 30));
}

TEST(ChameleonButton, FirefoxPageInstancesTakeTheirDesignValues) {
    QWidget page;
    chameleonButton* disable = makeChameleonButton(firefoxButton(firefox::kDisableButton), &page);
    chameleonButton* enable = makeChameleonButton(firefoxButton(firefox::kEnableButton), &page);
    EXPECT_EQ(disable->objectName(), QLatin1String(firefox::kDisableButton));
    const layout::Rect& at = firefoxButton(firefox::kEnableButton).rect;
    EXPECT_EQ(enable->geometry(), QRect(at.x, at.y, at.width, at.height));
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

TEST(ChameleonButton, TheWindowShapeIsTheLooksMask) {
    Fixture f(13);
    EXPECT_EQ(f.button->mask(), toRegion(button::buttonRegion(ButtonLook::Oval, 120, 33)));
    EXPECT_FALSE(f.button->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(f.button->mask().contains(QPoint(60, 16)));
}
