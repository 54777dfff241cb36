#pragma once

#include <QAbstractItemDelegate>

namespace vireka {

// Draws a list box's rows as plain lines of text, with the selection highlighted and a dotted
// focus frame on the current row. Much lighter than the styled delegate, which matters because a
// list box repaints its rows on every selection.
class ListBoxDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace vireka
