// The button in a window: hot spot, press and release, accelerator, size,
// drawing over the parent, colours and hint.
#include "noshape.h"

#include "errors.h"

#include <QAccessible>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace vd {
namespace {

constexpr QRgb kKey = 0xFFFBFBFB;
constexpr QRgb kRed = 0xFFE00000;
constexpr QRgb kParentColour = 0xFF00C800;

// 30 x 20 on the key colour with a red square at (5..14, 5..14); with the
// bevel the hot spot is (3..16, 3..16).
QImage SquarePicture() {
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(kKey);
    for (int y = 5; y <= 14; ++y)
        for (int x = 5; x <= 14; ++x)
            image.setPixel(x, y, kRed);
    return image;
}

const QPoint kHot(10, 10);
const QPoint kCold(25, 10); // inside the rectangle, off the picture

class NoShapeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = std::make_unique<QWidget>();
        host_->resize(200, 120);
        QPalette pal = host_->palette();
        pal.setColor(QPalette::Window, QColor::fromRgb(kParentColour));
        host_->setPalette(pal);
        host_->setAutoFillBackground(true);
        button_ = new TNoShape(host_.get());
        button_->setBitmap(SquarePicture());
        button_->setBounds(20, 30, 126, 40);
        button_->OnClick = [this] { ++clicks_; };
        host_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host_.get()));
    }

    // Mouse events go through the window, so that Qt picks the widget under
    // the pointer and the pressed widget keeps the mouse until the release.
    void Press(Qt::MouseButton b, QPoint local, TNoShape* on = nullptr) {
        QTest::mousePress(host_->windowHandle(), b, {},
                          (on ? on : button_)->mapTo(host_.get(), local));
    }
    void Release(Qt::MouseButton b, QPoint local, TNoShape* on = nullptr) {
        QTest::mouseRelease(host_->windowHandle(), b, {},
                            (on ? on : button_)->mapTo(host_.get(), local));
    }
    void Move(QPoint local) {
        QTest::mouseMove(host_->windowHandle(), button_->mapTo(host_.get(), local));
    }

    QImage Grab() {
        return host_->grab(button_->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    std::unique_ptr<QWidget> host_;
    TNoShape* button_ = nullptr;
    int clicks_ = 0;
};

TEST_F(NoShapeTest, HotSpotIsThePictureWithItsBevel) {
    EXPECT_TRUE(button_->isHotSpot(3, 3));
    EXPECT_TRUE(button_->isHotSpot(16, 16));
    EXPECT_FALSE(button_->isHotSpot(2, 10));
    EXPECT_FALSE(button_->isHotSpot(17, 10));
    EXPECT_FALSE(button_->isHotSpot(-1, -1));
    EXPECT_FALSE(button_->isHotSpot(30, 0));

    TNoShape bare;
    EXPECT_EQ(bare.hotSpotMask(), nullptr);
    EXPECT_TRUE(bare.isHotSpot(500, -3)); // no picture: hot everywhere
}

TEST_F(NoShapeTest, LeftPressOnHotSpotShowsDownAndReleaseClicksOnce) {
    QSignalSpy spy(button_, &TNoShape::clicked);
    Press(Qt::LeftButton, kHot);
    EXPECT_TRUE(button_->isDown());
    EXPECT_EQ(clicks_, 0);
    Release(Qt::LeftButton, kHot);
    EXPECT_FALSE(button_->isDown());
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(NoShapeTest, DoubleClickCountsAsTwoClicks) {
    QTest::mouseDClick(host_->windowHandle(), Qt::LeftButton, {},
                       button_->mapTo(host_.get(), kHot));
    EXPECT_EQ(clicks_, 2);
    EXPECT_FALSE(button_->isDown());
}

TEST_F(NoShapeTest, ReleaseOffTheHotSpotCancels) {
    Press(Qt::LeftButton, kHot);
    Release(Qt::LeftButton, kCold);
    EXPECT_FALSE(button_->isDown());
    Press(Qt::LeftButton, kHot);
    Release(Qt::LeftButton, QPoint(150, 60)); // off the rectangle
    EXPECT_FALSE(button_->isDown());
    EXPECT_EQ(clicks_, 0);
}

TEST_F(NoShapeTest, PressOffTheHotSpotNeverShowsDownButReleaseOnItClicks) {
    Press(Qt::LeftButton, kCold);
    EXPECT_FALSE(button_->isDown());
    Release(Qt::LeftButton, kHot);
    EXPECT_EQ(clicks_, 1);
}

TEST_F(NoShapeTest, PressOnTheParentThenReleaseOverTheButtonDoesNotClick) {
    QTest::mousePress(host_->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    Release(Qt::LeftButton, kHot);
    EXPECT_EQ(clicks_, 0);
}

TEST_F(NoShapeTest, OtherButtonsNeverShowDownButClickOnRelease) {
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        Press(b, kHot);
        EXPECT_FALSE(button_->isDown());
        Release(b, kHot);
    }
    EXPECT_EQ(clicks_, 2);
}

TEST_F(NoShapeTest, DisabledButtonIgnoresMouseAndAccelerator) {
    button_->setCaption("&Print");
    button_->setEnabled(false);
    Press(Qt::LeftButton, kHot);
    EXPECT_FALSE(button_->isDown());
    Release(Qt::LeftButton, kHot);
    QTest::keyClick(host_.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(clicks_, 0);
}

TEST_F(NoShapeTest, AltAndTheMarkedLetterClicks) {
    host_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host_.get()));
    button_->setCaption("&Print");
    QTest::keyClick(host_.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(clicks_, 1);
    QTest::keyClick(host_.get(), Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(clicks_, 1);

    button_->setCaption("Fish && Chips"); // a literal "&": no accelerator
    QTest::keyClick(host_.get(), Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(host_.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_EQ(clicks_, 1);

    button_->setCaption("&Main");
    button_->hide(); // a button on a page not shown
    QTest::keyClick(host_.get(), Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(clicks_, 1);
}

TEST_F(NoShapeTest, AutoSizeHoldsThePictureSize) {
    EXPECT_EQ(button_->geometry(), QRect(20, 30, 30, 20));
    button_->resize(126, 40);
    EXPECT_EQ(button_->size(), QSize(30, 20));

    button_->setAutoSize(false);
    button_->setBounds(20, 30, 126, 40);
    EXPECT_EQ(button_->geometry(), QRect(20, 30, 126, 40));
    button_->setAutoSize(true); // snaps back, in place
    EXPECT_EQ(button_->geometry(), QRect(20, 30, 30, 20));

    TNoShape empty(host_.get());
    EXPECT_EQ(empty.size(), QSize(80, 80));
    empty.setBounds(1, 2, 126, 40); // no picture: the size stands
    EXPECT_EQ(empty.geometry(), QRect(1, 2, 126, 40));
}

TEST_F(NoShapeTest, DrawsOpaquePixelsOverTheParentAndShiftsWhenDown) {
    const QImage up = Grab();
    EXPECT_EQ(up.pixel(25, 10), kParentColour); // key colour: the parent shows
    EXPECT_EQ(up.pixel(10, 10), kRed);
    EXPECT_EQ(up.pixel(16, 16), 0xFF000000); // outer ring
    EXPECT_EQ(up.pixel(2, 2), kParentColour);

    Press(Qt::LeftButton, kHot);
    const QImage down = Grab();
    Release(Qt::LeftButton, kHot);
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 29; ++x)
            ASSERT_EQ(down.pixel(x + 1, y + 1), button_->bitmapDown().pixel(x, y) == kKey
                                                    ? kParentColour
                                                    : button_->bitmapDown().pixel(x, y))
                << x << "," << y;
    EXPECT_EQ(down.pixel(0, 0), kParentColour);
}

TEST_F(NoShapeTest, CaptionIsCentredAndMovesOnePixelWhenDown) {
    TNoShape* plain = new TNoShape(host_.get()); // no picture: caption only
    plain->setBounds(60, 10, 126, 40);
    QFont font = plain->font();
    font.setPixelSize(16);
    plain->setFont(font);
    plain->setCaption("&Hello");
    plain->show();
    auto grab = [&] {
        return host_->grab(plain->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    };
    auto inkBox = [](const QImage& img) {
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != kParentColour)
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    const QImage up = grab();
    const QRect upBox = inkBox(up);
    ASSERT_FALSE(upBox.isEmpty());
    EXPECT_NEAR(upBox.center().x(), 63, 2);
    EXPECT_NEAR(upBox.center().y(), 20, 2);

    Press(Qt::LeftButton, QPoint(5, 5), plain);
    EXPECT_TRUE(plain->isDown());
    const QImage down = grab();
    Release(Qt::LeftButton, QPoint(5, 5), plain);
    EXPECT_EQ(inkBox(down), upBox.translated(1, 1));
    EXPECT_EQ(down.copy(upBox.translated(1, 1)), up.copy(upBox));
}

TEST_F(NoShapeTest, FacesFollowTheSystemColours) {
    QPalette pal = button_->palette();
    pal.setColor(QPalette::Dark, QColor(1, 2, 3));
    pal.setColor(QPalette::Light, QColor(4, 5, 6));
    button_->setPalette(pal);
    EXPECT_EQ(button_->bitmapUp().pixel(15, 10), qRgb(1, 2, 3));
    EXPECT_EQ(button_->bitmapUp().pixel(4, 10), qRgb(4, 5, 6));
    EXPECT_EQ(button_->bitmapDown().pixel(15, 10), qRgb(4, 5, 6));
}

TEST_F(NoShapeTest, HintIsOffWhileThePointerIsOffTheHotSpot) {
    button_->setShowHint(true);
    Move(kCold);
    EXPECT_FALSE(button_->showHint());
    Move(kHot);
    EXPECT_TRUE(button_->showHint());
}

TEST_F(NoShapeTest, CaptionKeepsAtMost255Characters) {
    button_->setCaption(QString(300, QChar('x')));
    EXPECT_EQ(button_->caption().size(), 255);
}

TEST_F(NoShapeTest, UnreadablePictureFileIsAnErrorAndKeepsThePicture) {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.bmp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM\x10\0\0\0garbage", 13);
    file.close();
    EXPECT_THROW(button_->loadBitmap(path), FileError);
    EXPECT_THROW(button_->loadBitmap(dir.filePath("missing.bmp")), FileError);
    EXPECT_EQ(button_->bitmap().size(), QSize(30, 20));
}

// Screen readers: a push button named by its caption, pressed by its action.
TEST_F(NoShapeTest, ScreenReadersSeeAPushButtonNamedByItsCaption) {
    button_->setCaption("Fish && &Chips");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button_);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Fish & Chips");
    EXPECT_TRUE(a->state().focusable);
    // A language switch renames it.
    button_->setCaption("&Skriv ut");
    EXPECT_EQ(a->text(QAccessible::Name), "Skriv ut");

    QAccessibleActionInterface* act = a->actionInterface();
    ASSERT_NE(act, nullptr);
    ASSERT_EQ(act->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    act->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks_, 1);

    button_->setEnabled(false);
    EXPECT_TRUE(a->state().disabled);
    EXPECT_TRUE(act->actionNames().isEmpty());
    act->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks_, 1);
}

TEST_F(NoShapeTest, SpaceAndReturnPressAFocusedButton) {
    host_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host_.get()));
    EXPECT_EQ(button_->focusPolicy(), Qt::TabFocus);
    button_->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button_->hasFocus());

    QTest::keyPress(button_, Qt::Key_Space);
    EXPECT_TRUE(button_->isDown());
    EXPECT_EQ(clicks_, 0);
    QTest::keyRelease(button_, Qt::Key_Space);
    EXPECT_FALSE(button_->isDown());
    EXPECT_EQ(clicks_, 1);

    QTest::keyClick(button_, Qt::Key_Return);
    QTest::keyClick(button_, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks_, 3);

    // With a modifier, or disabled, the keys do nothing.
    QTest::keyClick(button_, Qt::Key_Space, Qt::ControlModifier);
    button_->setEnabled(false);
    QTest::keyClick(button_, Qt::Key_Return);
    EXPECT_EQ(clicks_, 3);
}

TEST_F(NoShapeTest, SpaceLetGoAfterTheFocusLeftDoesNotClick) {
    auto* other = new QWidget(host_.get());
    other->setFocusPolicy(Qt::StrongFocus);
    other->show();
    host_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host_.get()));
    button_->setFocus(Qt::TabFocusReason);
    QTest::keyPress(button_, Qt::Key_Space);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(button_->isDown());
    QTest::keyRelease(button_, Qt::Key_Space);
    EXPECT_EQ(clicks_, 0);
}

// The dotted frame shows where the keyboard is, once the user uses it.
TEST_F(NoShapeTest, KeyboardFocusIsFramedOnlyAfterTheKeyboardMovedIt) {
    host_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host_.get()));
    button_->setFocus(Qt::TabFocusReason);
    const QImage quiet = Grab();
    host_->setAttribute(Qt::WA_KeyboardFocusChange);
    button_->repaint();
    const QImage framed = Grab();
    EXPECT_NE(quiet, framed);
    button_->clearFocus();
    EXPECT_EQ(Grab(), quiet);
}

} // namespace
} // namespace vd
