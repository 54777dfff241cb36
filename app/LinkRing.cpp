#include "LinkRing.h"

#include "LabelControl.h"
#include "Screen.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace vireka {

namespace {

// What the ring visits: the links and buttons that show, in reading order.
QList<QWidget *> ringStops(QWidget *client)
{
    QList<QWidget *> stops;
    for (QWidget *child : client->findChildren<QWidget *>()) {
        if (!child->isVisibleTo(client) || !child->isEnabled())
            continue;
        auto *label = qobject_cast<LabelControl *>(child);
        if ((label && label->hasClickHandler()) || qobject_cast<QPushButton *>(child))
            stops.append(child);
    }
    std::stable_sort(stops.begin(), stops.end(), [client](QWidget *a, QWidget *b) {
        const QPoint pa = a->mapTo(client, QPoint(0, 0));
        const QPoint pb = b->mapTo(client, QPoint(0, 0));
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return stops;
}

} // namespace

LinkRing::LinkRing(QWidget *client) : QWidget(client)
{
    setObjectName(QStringLiteral("linkRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

LinkRing *LinkRing::on(const Screen &screen)
{
    if (!screen.client())
        return nullptr;
    auto *ring = screen.client()->findChild<LinkRing *>(QString(), Qt::FindDirectChildrenOnly);
    return ring && ring->isVisible() && ring->m_ringed ? ring : nullptr;
}

bool LinkRing::keyPress(Screen &screen, const QKeyEvent &press)
{
    QWidget *client = screen.client();
    if (!client)
        return false;
    const Qt::KeyboardModifiers modifiers = press.modifiers() & ~Qt::KeypadModifier;
    const int key = press.key();
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    if (tab && (modifiers & Qt::ControlModifier)) {
        auto *ring = client->findChild<LinkRing *>(QString(), Qt::FindDirectChildrenOnly);
        if (!ring)
            ring = new LinkRing(client);
        ring->move(key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
        return true;
    }
    LinkRing *ring = on(screen);
    if (!ring)
        return false;
    if (tab) {
        ring->remove();
        return false;
    }
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!enter || modifiers != Qt::NoModifier)
        return false;
    ring->press();
    return true;
}

void LinkRing::move(bool forward)
{
    QWidget *client = parentWidget();
    const QList<QWidget *> stops = ringStops(client);
    if (stops.isEmpty())
        return;
    const qsizetype at = isVisible() && m_ringed ? stops.indexOf(m_ringed.data()) : -1;
    qsizetype next;
    if (at < 0)
        next = forward ? 0 : stops.size() - 1;
    else
        next = (at + (forward ? 1 : stops.size() - 1)) % stops.size();
    m_ringed = stops.at(next);
    setGeometry(client->rect());
    show();
    raise();
    update();
    qApp->installEventFilter(this);
    QAccessibleEvent focus(m_ringed.data(), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void LinkRing::press()
{
    QPointer<QWidget> target = m_ringed;
    if (auto *label = qobject_cast<LabelControl *>(target.data()))
        emit label->clicked();
    else if (auto *button = qobject_cast<QPushButton *>(target.data()))
        button->click();
}

void LinkRing::remove()
{
    qApp->removeEventFilter(this);
    m_ringed = nullptr;
    hide();
}

bool LinkRing::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::NonClientAreaMouseButtonPress)
        remove();
    return false;
}

void LinkRing::paintEvent(QPaintEvent *)
{
    if (!m_ringed)
        return;
    const QRect around = QRect(m_ringed->mapTo(parentWidget(), QPoint(0, 0)), m_ringed->size()).adjusted(-2, -2, 1, 1);
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(around);
    painter.drawRect(around.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(around);
    painter.drawRect(around.adjusted(1, 1, -1, -1));
}

} // namespace vireka
