#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace vireka::test {

// A picture of a screen's client area, to check what the layout table fixes pixel by pixel.
class ScreenProbe {
public:
    explicit ScreenProbe(QWidget *client) : m_shot(client->grab().toImage()) {}

    QColor at(int x, int y) const { return QColor::fromRgb(m_shot.pixel(x, y)); }

    // True when some pixel inside `area` has exactly `colour`, such as a caption's text colour.
    bool contains(const QRect &area, const QColor &colour) const
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (m_shot.pixel(x, y) == colour.rgb())
                    return true;
        return false;
    }

    const QImage &image() const { return m_shot; }

private:
    QImage m_shot;
};

} // namespace vireka::test
