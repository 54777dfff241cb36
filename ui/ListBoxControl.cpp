#include "ListBoxControl.h"

#include "ListBoxDelegate.h"
#include "SunkenEdge.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace vireka {

ListBoxControl::ListBoxControl(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new ListBoxDelegate(this));
    setAutoFillBackground(true); // it paints all of its rectangle, which neighbours rely on
    setUniformItemSizes(true);
    setSunkenEdge(this);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBoxControl::clicked);
}

void ListBoxControl::keyPressEvent(QKeyEvent *event)
{
    if (count() == 0 || !selectedItems().isEmpty()) {
        QListWidget::keyPressEvent(event);
        return;
    }
    // Nothing is chosen yet, though Qt has made the first entry current when the list took the
    // focus: every key chooses as if from above the first entry, which Qt would otherwise skip or
    // only mark.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_PageUp:
        setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    case Qt::Key_End:
        setCurrentRow(count() - 1, QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    case Qt::Key_PageDown:
        setCurrentRow(0, QItemSelectionModel::NoUpdate);
        break;
    default:
        // A first letter searches from the first entry on, the first entry included.
        if (!event->text().isEmpty() && event->text().front().isPrint())
            selectionModel()->clearCurrentIndex();
        break;
    }
    QListWidget::keyPressEvent(event);
    // A page down in a list of one entry moves nowhere; it still chooses.
    if (event->key() == Qt::Key_PageDown && selectedItems().isEmpty())
        setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
}

void ListBoxControl::mousePressEvent(QMouseEvent *event)
{
    const QListWidgetItem *chosen = selectedItems().value(0);
    QListWidget::mousePressEvent(event);
    // A press on another entry changes the selection, which is a Click already.
    if (chosen && event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) == chosen &&
        chosen->isSelected())
        emit clicked();
}

} // namespace vireka
