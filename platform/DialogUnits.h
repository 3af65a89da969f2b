#pragma once

#include <QFont>
#include <QRect>
#include <string_view>

class QPaintDevice;

// Dialog units follow the dialog font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.

struct BaseUnits {
    int X = 0;  // average width of the 52 letters A-Z a-z, rounded
    int Y = 0;  // the font's height
};

// The font a template names, mapped to one that exists here: the Windows
// dialog font "MS Shell Dlg" (and "MS Sans Serif") becomes DejaVu Sans.
QFont DialogFont(std::string_view name, int pointSize);

// The base units of font as it is drawn on device (the default screen when
// device is nullptr).
BaseUnits BaseUnitsOf(const QFont& font, const QPaintDevice* device = nullptr);

// x px = dlu * X / 4 and y px = dlu * Y / 8, rounded to the nearest pixel.
int HorizontalPixels(int dlu, BaseUnits units);
int VerticalPixels(int dlu, BaseUnits units);
QRect DialogUnitsToPixels(int x, int y, int width, int height, BaseUnits units);
