#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/DialogUnits.h"
#include "tests/platform/ProbeDialog.h"

namespace {

TEST(DialogUnits, ConvertWithRoundingToTheNearestPixel)
{
    struct Case {
        int DluX, DluY;
        BaseUnits Units;
        int X, Y;
    };
    const Case cases[] = {
        {279, 138, {7, 13}, 488, 224},  // 488.25 and 224.25 round down
        {1, 1, {6, 13}, 2, 2},          // 1.5 and 1.625 round up
        {2, 2, {6, 13}, 3, 3},          // 3.0 and 3.25
        {14, 4, {7, 13}, 25, 7},        // halves round up: 24.5 and 6.5
        {0, 0, {7, 13}, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HorizontalPixels(c.DluX, c.Units), c.X) << c.DluX << " dlu at " << c.Units.X;
        EXPECT_EQ(VerticalPixels(c.DluY, c.Units), c.Y) << c.DluY << " dlu at " << c.Units.Y;
    }
}

TEST(DialogUnits, TheWindowsDialogFontBecomesARealFont)
{
    const QFont font = DialogFont("MS Shell Dlg", 8);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(font.pointSize(), 8);
    const BaseUnits units = BaseUnitsOf(font);
    EXPECT_GT(units.X, 3);
    EXPECT_GT(units.Y, 8);
}

// Controls sit where their template says, in the units of the dialog's own
// font; the client area has the template's size and the menu bar sits above.
TEST(DialogUnits, ControlsAreLaidOutFromTheTemplate)
{
    probe::Dialog dialog;
    const BaseUnits units = dialog.DialogBaseUnits();
    EXPECT_EQ(units.X, BaseUnitsOf(dialog.font(), &dialog).X);
    EXPECT_EQ(units.Y, BaseUnitsOf(dialog.font(), &dialog).Y);

    auto* ok = dialog.ControlAs<QPushButton>(IdOk);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), DialogUnitsToPixels(10, 60, 50, 14, units));
    auto* value = dialog.ControlAs<QLabel>(probe::Value);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->geometry(), DialogUnitsToPixels(5, 40, 40, 8, units));
    EXPECT_EQ(dialog.size(), QSize(HorizontalPixels(130, units), VerticalPixels(80, units)));
    EXPECT_EQ(dialog.MenuBar(), nullptr);
}

}  // namespace
