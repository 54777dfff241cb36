#include "ImageControl.h"

#include <QPainter>

namespace vireka {

ImageControl::ImageControl(bool stretch, bool border, QWidget *parent)
    : QWidget(parent), m_stretch(stretch), m_border(border)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void ImageControl::setPicture(const QImage &picture)
{
    const QRect before = geometry();
    m_picture = picture;
    if (!m_stretch && !m_picture.isNull()) {
        const int frame = m_border ? 2 : 0;
        resize(m_picture.deviceIndependentSize().toSize() + QSize(frame, frame));
    }
    // A picture without transparency covers the whole control, so what lies beneath need not be
    // painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, !m_picture.isNull() && !m_picture.hasAlphaChannel());
    if (geometry() == before)
        update(uncoveredRegion());
}

QRegion ImageControl::uncoveredRegion() const
{
    // Opaque controls stacked above this one hide that part of the picture; leaving it out of the
    // update spares them a repaint (a list box touching the picture would otherwise redraw every row).
    QRegion region(rect());
    const QObjectList &siblings = parentWidget()->children();
    for (qsizetype i = siblings.indexOf(const_cast<ImageControl *>(this)) + 1; i < siblings.size(); ++i) {
        auto *above = qobject_cast<QWidget *>(siblings.at(i));
        if (above && above->isVisible() && above->autoFillBackground())
            region -= above->geometry().translated(-pos());
    }
    return region;
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int inset = m_border ? 1 : 0;
    const QRect inner = rect().adjusted(inset, inset, -inset, -inset);
    if (!m_picture.isNull()) {
        if (m_stretch) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(inner, m_picture);
        } else {
            painter.drawImage(inner.topLeft(), m_picture);
        }
    }
    if (m_border) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ImageControl::mouseMoveEvent(QMouseEvent *)
{
    emit mouseMoved();
}

} // namespace vireka
