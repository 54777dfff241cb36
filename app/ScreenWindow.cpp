#include "ScreenWindow.h"

#include "Screen.h"

#include <QCloseEvent>

namespace vireka {

ScreenWindow::ScreenWindow(Screen &screen, Qt::WindowFlags flags) : QWidget(nullptr, flags), m_screen(&screen)
{
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_screen)
        m_screen->unloadFromCloseBox();
}

void ClientArea::mouseMoveEvent(QMouseEvent *)
{
    emit mouseMoved();
}

} // namespace vireka
