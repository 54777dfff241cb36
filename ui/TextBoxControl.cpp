#include "TextBoxControl.h"

#include <QKeyEvent>

namespace vireka {

TextBoxControl::TextBoxControl(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
}

void TextBoxControl::keyPressEvent(QKeyEvent *event)
{
    // Tab and Shift+Tab move the focus and are never typed. They arrive here only when no other
    // control takes the focus, as in a screen whose one such control is this box: it keeps it.
    const bool focusKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (focusKey && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

} // namespace vireka
