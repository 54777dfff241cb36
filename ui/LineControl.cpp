#include "LineControl.h"

#include <QPainter>

namespace vireka {

LineControl::LineControl(QLine ends, QColor colour, int width, QWidget *parent)
    : QWidget(parent), m_ends(ends), m_colour(colour), m_width(qMax(1, width))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const QRect box = QRect(ends.p1(), ends.p2()).normalized().adjusted(-m_width, -m_width, m_width, m_width);
    setGeometry(box);
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(m_colour, m_width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(m_ends.translated(-pos()));
}

} // namespace vireka
