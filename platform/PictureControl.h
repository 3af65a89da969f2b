#pragma once

#include <QIcon>
#include <QSize>
#include <QString>
#include <QWidget>

class QSvgRenderer;

// An icon or bitmap control. The pictures are SVG drawings, painted as
// vectors at whatever scale the screen has, so they stay sharp. The control
// takes the picture's own size (the drawing's width and height in pixels).
class PictureControl : public QWidget {
public:
    explicit PictureControl(QWidget* parent = nullptr);
    ~PictureControl() override;

    // The picture by its resource number; 0 shows nothing.
    void SetPicture(int resourceId);
    int Picture() const { return Picture_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int Picture_ = 0;
    QSvgRenderer* Renderer_;
};

// A window icon made from a picture resource, sharp at every size.
QIcon PictureIcon(int resourceId);

// The picture resource's path as a QString (empty for an unknown number).
QString PicturePath(int resourceId);
