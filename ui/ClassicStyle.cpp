#include "ClassicStyle.h"

#include <QFrame>
#include <QPainter>
#include <qdrawutil.h>
#include <QStyleFactory>
#include <QStyleOption>

namespace vireka {

namespace {

// A sunken WinPanel: outer shadow (Dark) and inner shadow (Shadow) above and to the left, outer
// highlight (Light) and inner highlight (Midlight) below and to the right, as the classic style
// draws it.
void drawSunkenWinPanel(QPainter &painter, const QRect &r, const QPalette &palette)
{
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    if (w < 2 || h < 2)
        return;
    painter.fillRect(x, y, w - 1, 1, palette.color(QPalette::Dark));
    painter.fillRect(x, y, 1, h - 1, palette.color(QPalette::Dark));
    painter.fillRect(x, y + h - 1, w, 1, palette.color(QPalette::Light));
    painter.fillRect(x + w - 1, y, 1, h, palette.color(QPalette::Light));
    if (w > 4 && h > 4) {
        painter.fillRect(x + 1, y + 1, w - 3, 1, palette.color(QPalette::Shadow));
        painter.fillRect(x + 1, y + 1, 1, h - 3, palette.color(QPalette::Shadow));
        painter.fillRect(x + 1, y + h - 2, w - 2, 1, palette.color(QPalette::Midlight));
        painter.fillRect(x + w - 2, y + 1, 1, h - 2, palette.color(QPalette::Midlight));
    }
}

// A command button over its whole rectangle: raised, or, as the default button or the one with the
// focus, inside a black frame, and pushed flat inside a grey one when pressed. The base style keeps
// a ring free for the frame round every button that may take it, and draws the frame a pixel short
// at the right and bottom.
void drawCommandButton(QPainter &painter, const QStyleOptionButton &button)
{
    const QPalette &palette = button.palette;
    QRect face = button.rect;
    const bool framed = button.features & QStyleOptionButton::DefaultButton;
    const bool pressed = button.state & (QStyle::State_Sunken | QStyle::State_On);
    if (framed) {
        painter.fillRect(face, palette.color(QPalette::Shadow));
        face.adjust(1, 1, -1, -1);
    }
    if (framed && pressed) {
        painter.fillRect(face, palette.color(QPalette::Dark));
        painter.fillRect(face.adjusted(1, 1, -1, -1), palette.button());
        return;
    }
    qDrawWinButton(&painter, face, palette, pressed, &palette.button());
}

} // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element == CE_PushButtonBevel) {
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
            button && !(button->features & QStyleOptionButton::Flat)) {
            drawCommandButton(*painter, *button);
            return;
        }
    }
    if (element == CE_ScrollBarAddPage || element == CE_ScrollBarSubPage) {
        // The trough is the button face dotted with white; the base style would dot the colour of
        // the screen behind the control instead.
        if (const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option)) {
            QStyleOptionSlider trough(*bar);
            trough.palette.setColor(QPalette::Window, trough.palette.color(QPalette::Button));
            QProxyStyle::drawControl(element, &trough, painter, widget);
            return;
        }
    }
    if (element == CE_ShapedFrame) {
        const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
        if (frame && frame->frameShape == QFrame::WinPanel && (frame->state & State_Sunken)) {
            drawSunkenWinPanel(*painter, frame->rect, frame->palette);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace vireka
