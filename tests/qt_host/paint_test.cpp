// What the client area shows: the form's colour, bevels, fills, captions,
// and the later of two siblings on top.
#include "qt_host/qt_host_fixture.h"

namespace {

using QtHostPaintTest = QtHostFixture;

const QRgb Green = qRgb(0, 128, 0);
const QRgb Yellow = qRgb(255, 255, 0);

TEST_F(QtHostPaintTest, ColoursBevelsAndCaptions) {
    Show();
    const QImage image = Grab();
    const QRgb light = System(QPalette::Light), face = System(QPalette::Button), dark = System(QPalette::Dark);
    ASSERT_GT(QColor(light).lightness(), QColor(face).lightness());
    ASSERT_GT(QColor(face).lightness(), QColor(dark).lightness()) << "a bevel must show";

    const struct {
        const char* what;
        int x, y;
        QRgb expected;
    } pixels[] = {
        {"the form's colour in a margin", 2, 2, Green},
        {"the form's colour at the far corner", 456, 281, Green},
        {"a raised panel's top left", 8, 8, light},
        {"a raised panel's top edge", 50, 8, light},
        {"a raised panel's bottom right", 107, 57, dark},
        {"a raised panel's left edge", 8, 30, light},
        {"a raised panel's inside", 20, 20, face},
        {"a lowered panel's top left", 120, 8, dark},
        {"a lowered panel's bottom right", 219, 57, light},
        {"a coloured panel's inside", 10, 72, Yellow},
        {"a later sibling above an earlier one", 285, 53, Yellow},
        {"the earlier sibling where the later is not", 250, 20, face},
    };
    for (const auto& pixel : pixels) EXPECT_EQ(PixelAt(image, pixel.x, pixel.y), pixel.expected) << pixel.what;

    EXPECT_TRUE(HasInk(image, QRect(40, 78, 36, 24), Yellow)) << "the panel's caption shows in its middle";
    EXPECT_FALSE(HasInk(image, QRect(10, 72, 20, 8), Yellow)) << "and only there";
    EXPECT_TRUE(HasInk(image, QRect(8, 130, 60, 16), face)) << "the label's caption";
}

TEST_F(QtHostPaintTest, FreeingTheUpperSiblingShowsTheOneBelow) {
    Show();
    delete form->Over;
    const QImage image = Grab();
    EXPECT_EQ(PixelAt(image, 285, 53), System(QPalette::Button));
    EXPECT_EQ(PixelAt(image, 320, 90), Green);
}

}  // namespace
