#pragma once

#include <QImage>
#include <QWidget>

namespace vireka {

// A picture in a rectangle. Stretching scales the picture to the rectangle, whatever its aspect;
// otherwise the rectangle takes the picture's own size at its top-left corner.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(bool stretch, bool border, QWidget *parent);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    bool stretches() const { return m_stretch; }

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;

private:
    QRegion uncoveredRegion() const;

    QImage m_picture;
    bool m_stretch;
    bool m_border;
};

} // namespace vireka
