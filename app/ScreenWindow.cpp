#include "ScreenWindow.h"

#include "Screen.h"
#include "ScreenAccessibility.h"
#include "WindowHints.h"

#include <QCloseEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace vireka {

namespace {
QMargins frameSeen;
}

ScreenWindow::ScreenWindow(Screen &screen, Qt::WindowFlags flags) : QWidget(nullptr, flags), m_screen(&screen)
{
    installScreenAccessibility();
}

QMargins ScreenWindow::frameNow() const
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void ScreenWindow::centreOn(const QRect &area)
{
    const QMargins frame = frameNow().isNull() ? frameSeen : frameNow();
    const QSize outer = size().grownBy(frame);
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    m_centreArea = frameNow().isNull() ? std::optional<QRect>(area) : std::nullopt;
}

void ScreenWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    const QMargins frame = frameNow();
    if (frame.isNull() || isMaximized() || isFullScreen())
        return;
    frameSeen = frame;
    if (m_centreArea) {
        const QRect area = *m_centreArea;
        m_centreArea.reset();
        centreOn(area);
    }
}

void ScreenWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Some window managers draw a maximise box on every window, and maximise on a double click on
    // the title: a screen without the box goes back to its design size.
    if (event->type() == QEvent::WindowStateChange && isMaximized() && m_screen && !maximisable(m_screen->spec()))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    const bool restored = event->type() == QEvent::WindowStateChange
        && (static_cast<QWindowStateChangeEvent *>(event)->oldState() & Qt::WindowMaximized)
        && !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    if (restored && std::exchange(m_placeWhenRestored, false)) {
        // Once the window manager has placed the restored window its own way.
        QTimer::singleShot(0, this, [this] {
            if (m_screen)
                m_screen->restoreDesignPlace();
        });
    }
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    // A screen without title-bar boxes closes only with its own close control. Some window managers
    // draw a close box all the same; it does nothing there.
    if (m_screen && m_screen->spec().buttons == TitleButtons::None) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_screen)
        m_screen->unload();
}

ClientArea::ClientArea(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ClientArea::mouseMoveEvent(QMouseEvent *)
{
    emit mouseMoved();
}

} // namespace vireka
