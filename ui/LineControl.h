#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace vireka {

// A straight line between two client-area points. The widget covers the line's bounding box and
// lets the mouse through to whatever lies below.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QLine ends, QColor colour, int width, QWidget *parent);

    QLine ends() const { return m_ends; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QLine m_ends;
    QColor m_colour;
    int m_width;
};

} // namespace vireka
