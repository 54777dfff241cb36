#include "LabelControl.h"

#include "Fonts.h"
#include "Palette.h"
#include "Units.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QtMath>

namespace vireka {

namespace {

constexpr int BorderPixels = 1;

// Some captions use long runs of spaces to push the next words onto a line of their own. The faces
// that stand in for the design's are narrower, so such a run would no longer fill its line: it is
// drawn with em spaces, wide enough to break where it was meant to. Short runs keep their spaces.
QString laidOutCaption(const QString &caption)
{
    static const QRegularExpression run(QStringLiteral(" {8,}"));
    QString text = caption;
    QRegularExpressionMatch match;
    for (qsizetype from = 0; (match = run.match(text, from)).hasMatch(); from = match.capturedEnd())
        text.replace(match.capturedStart(), match.capturedLength(), QString(match.capturedLength(), QChar(0x2003)));
    return text;
}

} // namespace

LabelControl::LabelControl(const ControlSpec &spec, QWidget *parent)
    : QWidget(parent)
    , m_caption(QString::fromLatin1(spec.caption))
    , m_back(toQColor(spec.backColor == KindDefault ? SystemButtonFace : spec.backColor))
    , m_fore(toQColor(spec.foreColor == KindDefault ? SystemButtonText : spec.foreColor))
    , m_transparent(spec.transparent)
    , m_border(spec.borderStyle == 1)
    , m_alignment(spec.alignment)
    , m_wordWrap(spec.wordWrap)
    , m_autoSize(spec.autoSize)
    , m_designWidth(twipsToPixels(spec.width))
    , m_designHeight(twipsToPixels(spec.height))
    , m_designFont(toQFont(spec.font))
{
    condenseToField();
    setFocusPolicy(Qt::NoFocus);
    if (!m_transparent)
        setAttribute(Qt::WA_OpaquePaintEvent);
    if (m_autoSize)
        fitToText();
}

void LabelControl::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_textStale = true;
    condenseToField();
    if (m_autoSize)
        fitToText();
    update();
    emit changed();
}

bool LabelControl::hasClickHandler() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&LabelControl::clicked));
}

QRect LabelControl::textRect() const
{
    const int inset = m_border ? BorderPixels : 0;
    return rect().adjusted(inset, inset, -inset, -inset);
}

bool LabelControl::wraps() const
{
    // Without AutoSize a label always wraps to its width; with AutoSize only when WordWrap is set.
    return !m_autoSize || m_wordWrap;
}

int LabelControl::textFlags() const
{
    int flags = Qt::AlignTop;
    switch (m_alignment) {
    case Align::Left: flags |= Qt::AlignLeft; break;
    case Align::Right: flags |= Qt::AlignRight; break;
    case Align::Centre: flags |= Qt::AlignHCenter; break;
    }
    if (wraps())
        flags |= Qt::TextWordWrap;
    return flags;
}

bool LabelControl::singleLine() const
{
    if (m_caption.contains(QLatin1Char('\n')) || m_caption.contains(QLatin1Char('\r')))
        return false;
    if (m_autoSize)
        return !m_wordWrap;
    const int inset = m_border ? 2 * BorderPixels : 0;
    return m_designHeight - inset < 2 * QFontMetricsF(m_designFont).lineSpacing();
}

// The substitute faces are wider than the design's, and the captions name wider names than the
// fields were drawn for: a caption meant for one line that would run past its field is condensed
// horizontally until it fits, down to the narrowest stretch, before it wraps or is cut.
void LabelControl::condenseToField()
{
    QFont face = m_designFont;
    const QString text = laidOutCaption(m_caption);
    const qreal room = m_designWidth - (m_border ? 2 * BorderPixels : 0);
    auto fits = [&face, &text, room](int stretch) {
        face.setStretch(stretch);
        return QFontMetricsF(face).horizontalAdvance(text) <= room;
    };
    if (!singleLine() || fits(100)) {
        setFont(m_designFont);
        return;
    }
    // The widest stretch that fits: `fitting` fits (or is the narrowest), `tooWide` does not.
    int fitting = NarrowestStretch, tooWide = 100;
    while (tooWide - fitting > 1) {
        const int middle = (fitting + tooWide) / 2;
        if (fits(middle))
            fitting = middle;
        else
            tooWide = middle;
    }
    face.setStretch(fitting);
    setFont(face);
}

void LabelControl::fitToText()
{
    const int inset = m_border ? 2 * BorderPixels : 0;
    const QFontMetrics metrics(font());
    if (m_wordWrap) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, m_designWidth - inset, 1 << 20),
                                                  textFlags(), laidOutCaption(m_caption));
        resize(m_designWidth, needed.height() + inset);
    } else {
        const QRect needed = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), textFlags(), laidOutCaption(m_caption));
        resize(needed.width() + inset, needed.height() + inset);
    }
}

const QStaticText &LabelControl::laidOutText()
{
    if (m_textStale) {
        QTextOption option(Qt::Alignment(textFlags() & Qt::AlignHorizontal_Mask));
        option.setWrapMode(wraps() ? QTextOption::WordWrap : QTextOption::NoWrap);
        m_text.setTextFormat(Qt::PlainText);
        m_text.setTextOption(option);
        m_text.setTextWidth(wraps() ? textRect().width() : -1);
        m_text.setText(laidOutCaption(m_caption));
        m_text.prepare(QTransform(), font());
        m_textStale = false;
    }
    return m_text;
}

void LabelControl::resizeEvent(QResizeEvent *)
{
    m_textStale = true;
}

void LabelControl::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), m_back);
    if (m_border) {
        // A thin sunken edge: shadow above and left, light below and right.
        // Filled, not stroked: a stroked line costs several times as much on every repaint.
        const int w = width(), h = height();
        const QColor shadow = toQColor(colours::EdgeShadow), highlight = toQColor(colours::EdgeHighlight);
        painter.fillRect(0, 0, w, 1, shadow);
        painter.fillRect(0, 0, 1, h, shadow);
        painter.fillRect(0, h - 1, w, 1, highlight);
        painter.fillRect(w - 1, 0, 1, h, highlight);
    }
    const QRect area = textRect();
    if (font().underline()) {
        // Laid-out static text loses the underline under a caption's last glyph (or all of it), so
        // the few underlined captions are drawn directly.
        painter.setClipRect(area);
        painter.setPen(m_fore);
        painter.setFont(font());
        painter.drawText(area, textFlags(), m_caption);
        return;
    }
    const QStaticText &text = laidOutText();
    QPoint origin = area.topLeft();
    if (!wraps() && m_alignment != Align::Left) {
        const int room = area.width() - qCeil(text.size().width());
        origin.rx() += m_alignment == Align::Centre ? room / 2 : room;
    }
    if (!event->rect().intersects(QRect(origin, text.size().toSize() + QSize(1, 1))))
        return;
    painter.setClipRect(area);
    painter.setPen(m_fore);
    painter.setFont(font());
    painter.drawStaticText(origin, text);
}

void LabelControl::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void LabelControl::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void LabelControl::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click must not start another Click.
    m_pressed = false;
}

} // namespace vireka
