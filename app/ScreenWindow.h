#pragma once

#include <QWidget>

namespace vireka {

class Screen;

// The top-level window of a loaded screen. Its close box unloads the screen and nothing else.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(Screen &screen, Qt::WindowFlags flags);

    Screen *screen() const { return m_screen; }
    void detach() { m_screen = nullptr; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Screen *m_screen;
};

// The client area below any menu bar: holds the controls and paints the background colour. It
// follows the window's size, while the controls keep their design places.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace vireka
