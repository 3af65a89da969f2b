// lexamo_e2e_grab WINDOW-ID: writes a PNG of that X window (as the X server
// holds it) to standard output, for the end-to-end test. Qt's own screen
// grab, so the test needs no image tool besides Xvfb and xdotool.

#include <QBuffer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2)
        return 2;
    bool ok = false;
    const WId window = QByteArray(argv[1]).toULongLong(&ok, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ok || !screen)
        return 2;
    const QPixmap picture = screen->grabWindow(window);
    if (picture.isNull())
        return 1;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    std::fwrite(png.constData(), 1, static_cast<std::size_t>(png.size()), stdout);
    return 0;
}
