#pragma once

#include <QMargins>
#include <QPoint>
#include <QWidget>

#include <optional>

namespace vireka {

class Screen;

// The top-level window of a loaded screen. Its close box unloads the screen and nothing else.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(Screen &screen, Qt::WindowFlags flags);

    Screen *screen() const { return m_screen; }
    void detach() { m_screen = nullptr; }

    // Puts the whole window, frame included, in the middle of `area`. The frame's size is known only
    // once the window manager has framed the window: until then the last frame seen stands in, and
    // the window is centred again as soon as its own frame is known.
    void centreOn(const QRect &area);
    // For a window shown maximised: its first restore gives it its screen's design size and place,
    // which the window manager would otherwise choose.
    void placeWhenFirstRestored() { m_placeWhenRestored = true; }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QMargins frameNow() const;

    Screen *m_screen;
    std::optional<QRect> m_centreArea;
    bool m_placeWhenRestored = false;
};

// The client area below any menu bar: holds the controls and paints the background colour. It
// follows the window's size, while the controls keep their design places. It never takes the focus,
// so clicking the bare background leaves the focus where it was.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget *parent);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace vireka
