#include "ListBoxDelegate.h"

#include <QPainter>

namespace vireka {

namespace {
constexpr int TextIndent = 2;
}

void ListBoxDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &palette = option.palette;
    if (selected)
        painter->fillRect(option.rect, palette.color(QPalette::Active, QPalette::Highlight));
    painter->setFont(option.font);
    painter->setPen(palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(option.rect.adjusted(TextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        QPen dotted(palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text));
        dotted.setStyle(Qt::DotLine);
        painter->setPen(dotted);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
}

QSize ListBoxDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width(), option.fontMetrics.height() + 1};
}

} // namespace vireka
