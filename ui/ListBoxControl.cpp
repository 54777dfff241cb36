#include "ListBoxControl.h"

#include "ListBoxDelegate.h"
#include "SunkenEdge.h"

#include <QKeyEvent>

#include <algorithm>

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
    // Qt gives a focused list a current row before anything is chosen; moving on from there would
    // skip the first entry.
    static constexpr int movingKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp,
                                         Qt::Key_PageDown};
    const bool moving = std::find(std::begin(movingKeys), std::end(movingKeys), event->key()) != std::end(movingKeys);
    if (moving && count() > 0 && selectedItems().isEmpty()) {
        setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace vireka
