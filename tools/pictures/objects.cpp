// Objects shown on their own: the book's jacket and the publisher's emblem.
#include "scenes.h"

#include "painting.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace pictures {

QImage bookCover(QSize size)
{
    return painted(size, QColor(30, 28, 35), [&](QPainter &p, double w, double h) {
        // The jacket lies flat: back cover, spine, front cover.
        const QRectF book(w * 0.04, h * 0.06, w * 0.92, h * 0.86);
        const double spine = book.width() * 0.07;
        const double coverW = (book.width() - spine) / 2;
        const QRectF back(book.left(), book.top(), coverW, book.height());
        const QRectF spineR(back.right(), book.top(), spine, book.height());
        const QRectF front(spineR.right(), book.top(), coverW, book.height());
        // Shadow under the book.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawRect(book.translated(3, 4));
        QLinearGradient cover(book.topLeft(), book.bottomRight());
        cover.setColorAt(0, QColor(25, 35, 90));
        cover.setColorAt(1, QColor(60, 20, 80));
        p.setBrush(cover);
        p.drawRect(book);
        // Spine: a darker band with the title running down it.
        p.setBrush(QColor(15, 20, 55));
        p.drawRect(spineR);
        p.save();
        p.translate(spineR.center());
        p.rotate(90);
        p.setPen(QColor(230, 200, 110));
        p.setFont(pictureFont("Liberation Serif", spine * 0.62, true));
        p.drawText(QRectF(-book.height() / 2, -spine / 2, book.height(), spine), Qt::AlignCenter, "TESMARA");
        p.restore();
        // Front: title, a yantra in colour and the author.
        p.setPen(QColor(240, 210, 120));
        p.setFont(pictureFont("Liberation Serif", front.height() * 0.11, true));
        p.drawText(QRectF(front.left(), front.top() + front.height() * 0.04, front.width(), front.height() * 0.15),
                   Qt::AlignCenter, "TESMARA");
        const QPointF c(front.center().x(), front.top() + front.height() * 0.52);
        const double r = front.width() * 0.33;
        p.setPen(QPen(QColor(240, 200, 90), 1.2));
        p.setBrush(QColor(200, 40, 50));
        p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
        p.setBrush(QColor(250, 220, 120));
        p.drawEllipse(c, r * 0.88, r * 0.88);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 45);
            p.setBrush(QColor(230, 110, 140));
            p.drawEllipse(QRectF(-r * 0.12, -r * 0.86, r * 0.24, r * 0.3));
            p.restore();
        }
        p.setBrush(QColor(30, 60, 150));
        p.drawEllipse(c, r * 0.56, r * 0.56);
        for (int k = 0; k < 2; ++k) {
            QPolygonF tri;
            const double s = r * 0.5;
            const int dir = k == 0 ? -1 : 1;
            tri << c + QPointF(0, dir * s) << c + QPointF(-s * 0.87, -dir * s * 0.5) << c + QPointF(s * 0.87, -dir * s * 0.5);
            p.setBrush(k == 0 ? QColor(250, 190, 40) : QColor(240, 90, 40));
            p.drawPolygon(tri);
        }
        p.setBrush(QColor(255, 255, 230));
        p.drawEllipse(c, r * 0.08, r * 0.08);
        p.setPen(QColor(230, 230, 240));
        p.setFont(pictureFont("Liberation Sans", front.height() * 0.055));
        p.drawText(QRectF(front.left(), front.bottom() - front.height() * 0.16, front.width(), front.height() * 0.1),
                   Qt::AlignCenter, "Morvane Zuvovuroda");
        // Back: a short text block and a bar code.
        p.setPen(QColor(240, 210, 120));
        p.setFont(pictureFont("Liberation Serif", back.height() * 0.06, true, true));
        p.drawText(QRectF(back.left(), back.top() + back.height() * 0.06, back.width(), back.height() * 0.1), Qt::AlignCenter,
                   "Know thy Self");
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 200, 215, 170));
        Scatter rnd(21);
        for (int i = 0; i < 11; ++i) {
            const double lw = back.width() * (i % 4 == 3 ? rnd.in(0.3, 0.5) : rnd.in(0.68, 0.76));
            p.drawRect(QRectF(back.left() + back.width() * 0.12, back.top() + back.height() * (0.22 + 0.045 * i), lw, 1.4));
        }
        const QRectF code(back.left() + back.width() * 0.55, back.bottom() - back.height() * 0.17, back.width() * 0.33,
                          back.height() * 0.12);
        p.setBrush(Qt::white);
        p.drawRect(code);
        p.setBrush(Qt::black);
        double x = code.left() + 2;
        while (x < code.right() - 3) {
            const double bw = rnd.next() < 0.5 ? 0.8 : 1.6;
            p.drawRect(QRectF(x, code.top() + 2, bw, code.height() - 4));
            x += bw + (rnd.next() < 0.5 ? 0.9 : 1.7);
        }
        // Light falls across the jacket from the left.
        QLinearGradient sheen(book.topLeft(), book.topRight());
        sheen.setColorAt(0, QColor(255, 255, 255, 40));
        sheen.setColorAt(1, QColor(0, 0, 0, 50));
        p.setBrush(sheen);
        p.drawRect(book);
    });
}

QImage publisherLogo(QSize size)
{
    return painted(size, QColor(192, 192, 192), [&](QPainter &p, double w, double h) {
        const QPointF c(w / 2, h / 2);
        const double r = std::min(w, h) * 0.26;
        // The black field with the blue disc and the white star.
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(c, r, r);
        QRadialGradient blue(c - QPointF(r * 0.2, r * 0.2), r * 0.8);
        blue.setColorAt(0, QColor(90, 140, 255));
        blue.setColorAt(1, QColor(10, 40, 170));
        p.setBrush(blue);
        p.drawEllipse(c, r * 0.62, r * 0.62);
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double a = -kPi / 2 + i * kPi / 5;
            const double rr = i % 2 == 0 ? r * 0.5 : r * 0.2;
            star << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        }
        p.setBrush(Qt::white);
        p.drawPolygon(star);
        // Three gold-olive orbits around it.
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 60 + 15);
            QLinearGradient gold(-r * 1.7, 0, r * 1.7, 0);
            gold.setColorAt(0, QColor(200, 180, 60));
            gold.setColorAt(0.5, QColor(150, 140, 30));
            gold.setColorAt(1, QColor(215, 195, 80));
            p.setPen(QPen(QBrush(gold), r * 0.085));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(0, 0), r * 1.72, r * 0.62);
            p.restore();
        }
    });
}

} // namespace pictures
