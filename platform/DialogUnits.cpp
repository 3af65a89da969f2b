#include "platform/DialogUnits.h"

#include <QFontMetrics>
#include <QString>

namespace {

// Rounds a * b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

QFont DialogFont(std::string_view name, int pointSize)
{
    QString family = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (family == QLatin1String("MS Shell Dlg") || family == QLatin1String("MS Shell Dlg 2") ||
        family == QLatin1String("MS Sans Serif"))
        family = QStringLiteral("DejaVu Sans");
    QFont font(family, pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font, const QPaintDevice* device)
{
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

int HorizontalPixels(int dlu, BaseUnits units)
{
    return MulDiv(dlu, units.X, 4);
}

int VerticalPixels(int dlu, BaseUnits units)
{
    return MulDiv(dlu, units.Y, 8);
}

QRect DialogUnitsToPixels(int x, int y, int width, int height, BaseUnits units)
{
    return {HorizontalPixels(x, units), VerticalPixels(y, units), HorizontalPixels(width, units),
            VerticalPixels(height, units)};
}
