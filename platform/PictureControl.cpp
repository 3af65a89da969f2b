#include "platform/PictureControl.h"

#include <QPainter>
#include <QSvgRenderer>

#include "platform/DialogTemplate.h"

QString PicturePath(int resourceId)
{
    const std::string_view path = PictureResource(resourceId);
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

QIcon PictureIcon(int resourceId)
{
    const QString path = PicturePath(resourceId);
    return path.isEmpty() ? QIcon() : QIcon(path);
}

PictureControl::PictureControl(QWidget* parent) : QWidget(parent), Renderer_(new QSvgRenderer(this))
{
}

PictureControl::~PictureControl() = default;

void PictureControl::SetPicture(int resourceId)
{
    Picture_ = resourceId;
    const QString path = PicturePath(resourceId);
    if (path.isEmpty())
        Renderer_->load(QByteArray());
    else
        Renderer_->load(path);
    if (Renderer_->isValid())
        resize(Renderer_->defaultSize());
    update();
}

QSize PictureControl::sizeHint() const
{
    return Renderer_->isValid() ? Renderer_->defaultSize() : QSize();
}

void PictureControl::paintEvent(QPaintEvent* /*event*/)
{
    if (!Renderer_->isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Renderer_->render(&painter, QRectF(QPointF(0, 0), QSizeF(Renderer_->defaultSize())));
}
