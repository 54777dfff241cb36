#include "PictureBoxControl.h"

#include <QPainter>

namespace vireka {

PictureBoxControl::PictureBoxControl(bool autoSize, QWidget *parent) : QFrame(parent), m_autoSize(autoSize)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBoxControl::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize() + QSize(2 * frameWidth(), 2 * frameWidth()));
    // Sized to an opaque picture, the box's frame and picture cover all of it.
    setAttribute(Qt::WA_OpaquePaintEvent, m_autoSize && !m_picture.isNull() && !m_picture.hasAlphaChannel());
    update();
}

void PictureBoxControl::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setClipRect(contentsRect());
        painter.drawImage(contentsRect().topLeft(), m_picture);
    }
    QFrame::paintEvent(event);
}

} // namespace vireka
