#include "ReadingAids.h"

#include "DocumentArea.h"
#include "DocumentZoom.h"
#include "FindBar.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QWheelEvent>

namespace vireka {

namespace {

std::function<void()> &searchAction()
{
    static std::function<void()> action;
    return action;
}

} // namespace

ReadingAids::ReadingAids(DocumentArea &area) : QObject(&area), m_area(area)
{
    setObjectName(QStringLiteral("readingAids"));
    area.installEventFilter(this);
    area.viewport()->installEventFilter(this);
    connect(&area, &DocumentArea::documentShown, this, &ReadingAids::documentShown);
}

ReadingAids &ReadingAids::of(DocumentArea &area)
{
    if (auto *aids = area.findChild<ReadingAids *>(QString(), Qt::FindDirectChildrenOnly))
        return *aids;
    return *new ReadingAids(area);
}

DocumentArea *ReadingAids::areaHolding(QWidget *widget)
{
    for (QWidget *at = widget; at && !at->isWindow(); at = at->parentWidget())
        if (auto *area = qobject_cast<DocumentArea *>(at))
            return area;
    return nullptr;
}

FindBar &ReadingAids::findBar()
{
    if (!m_findBar)
        m_findBar = new FindBar(m_area);
    return *m_findBar;
}

bool ReadingAids::findBarOpen() const
{
    return m_findBar && m_findBar->isVisible();
}

bool ReadingAids::keyPress(QWidget *receiver, const QKeyEvent &press)
{
    const Qt::KeyboardModifiers modifiers = press.modifiers() & ~Qt::KeypadModifier;
    const bool inField = m_findBar && receiver == &m_findBar->field();
    const int key = press.key();
    if (inField && modifiers == Qt::NoModifier && key == Qt::Key_Escape) {
        m_findBar->close(true);
        return true;
    }
    if (inField && (key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        modifiers == Qt::ShiftModifier ? m_findBar->previous() : m_findBar->next();
        return true;
    }
    if (key == Qt::Key_F3 && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        if (!findBarOpen())
            findBar().open();
        else
            modifiers == Qt::ShiftModifier ? m_findBar->previous() : m_findBar->next();
        return true;
    }
    if (modifiers != Qt::ControlModifier && modifiers != (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    switch (key) {
    case Qt::Key_F:
        if (modifiers != Qt::ControlModifier)
            return false;
        findBar().open();
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        return true;
    case Qt::Key_Minus:
        zoomOut();
        return true;
    case Qt::Key_0:
        actualSize();
        return true;
    default:
        return false;
    }
}

bool ReadingAids::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        const QPoint inViewport = watched == m_area.viewport() ? menuEvent->pos()
                                                               : m_area.viewport()->mapFrom(&m_area, menuEvent->pos());
        showMenu(menuEvent->globalPos(), inViewport);
        return true;
    }
    if (event->type() == QEvent::Wheel && watched == m_area.viewport()) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            return false;
        const int delta = wheel->angleDelta().y();
        if (delta > 0)
            zoomIn();
        else if (delta < 0)
            zoomOut();
        return true;
    }
    return false;
}

void ReadingAids::showMenu(const QPoint &globalPos, const QPoint &viewportPos)
{
    QMenu *menu = m_area.createStandardContextMenu(viewportPos);
    menu->setObjectName(QStringLiteral("documentMenu"));
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("Find...")), &QAction::triggered, this, [this] { findBar().open(); });
    menu->addSeparator();
    QAction *in = menu->addAction(QStringLiteral("Zoom In"));
    QAction *out = menu->addAction(QStringLiteral("Zoom Out"));
    QAction *actual = menu->addAction(QStringLiteral("Actual Size"));
    in->setEnabled(m_area.zoomPercent() < LargestZoom);
    out->setEnabled(m_area.zoomPercent() > SmallestZoom);
    actual->setEnabled(m_area.zoomPercent() != DesignZoom);
    connect(in, &QAction::triggered, this, &ReadingAids::zoomIn);
    connect(out, &QAction::triggered, this, &ReadingAids::zoomOut);
    connect(actual, &QAction::triggered, this, &ReadingAids::actualSize);
    menu->addSeparator();
    QAction *search = menu->addAction(QStringLiteral("Search All Documents..."));
    search->setEnabled(bool(searchAction()));
    connect(search, &QAction::triggered, this, &ReadingAids::searchAllDocuments);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

void ReadingAids::documentShown()
{
    if (!findBarOpen())
        return;
    // Zooming shows the same text again: the find goes on. Any other document closes the bar.
    if (m_zooming)
        m_findBar->refresh();
    else
        m_findBar->close(m_findBar->field().hasFocus());
}

void ReadingAids::zoomTo(int percent)
{
    m_zooming = true;
    setZoom(m_area, percent);
    m_zooming = false;
}

void ReadingAids::zoomIn() { zoomTo(zoomStepIn(m_area.zoomPercent())); }
void ReadingAids::zoomOut() { zoomTo(zoomStepOut(m_area.zoomPercent())); }
void ReadingAids::actualSize() { zoomTo(DesignZoom); }

void ReadingAids::setSearchAllDocuments(std::function<void()> action)
{
    searchAction() = std::move(action);
}

void ReadingAids::searchAllDocuments()
{
    if (searchAction())
        searchAction()();
}

} // namespace vireka
