#include "FindBar.h"

#include "DocumentArea.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

namespace vireka {

namespace {

// Highlighting tens of thousands of matches would slow every repaint; they are still counted.
constexpr int MostHighlights = 2000;

const QColor MatchBack(255, 255, 0);
const QColor CurrentBack(255, 128, 0);

} // namespace

FindBar::FindBar(DocumentArea &area) : QWidget(&area), m_area(area)
{
    setObjectName(QStringLiteral("findBar"));
    setAutoFillBackground(true);
    QPalette palette = area.window()->palette();
    setPalette(palette);
    setBackgroundRole(QPalette::Button);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(4);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("findField"));
    m_field->setFocusPolicy(Qt::ClickFocus);
    m_field->setAccessibleName(QStringLiteral("Find"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("findStatus"));
    m_status->setMinimumWidth(m_status->fontMetrics().horizontalAdvance(QStringLiteral("0000 of 0000")));
    layout->addWidget(m_field, 1);
    layout->addWidget(m_status);
    connect(m_field, &QLineEdit::textEdited, this, [this] { search(m_anchor); });
    area.installEventFilter(this);
    hide();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_area && event->type() == QEvent::Resize)
        place();
    return QWidget::eventFilter(watched, event);
}

void FindBar::place()
{
    const int frame = m_area.frameWidth();
    const int height = sizeHint().height();
    setGeometry(frame, m_area.height() - frame - height, m_area.width() - 2 * frame, height);
}

void FindBar::open()
{
    m_anchor = m_area.cursorForPosition(QPoint(0, 0)).position();
    place();
    show();
    raise();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
    if (!m_field->text().isEmpty())
        search(m_anchor);
}

void FindBar::showFirst(const QString &query)
{
    m_anchor = 0;
    m_field->setText(query);
    place();
    show();
    raise();
    search(m_anchor);
}

void FindBar::close(bool refocus)
{
    hide();
    m_matches.clear();
    m_current = -1;
    m_textStale = true;
    m_area.setExtraSelections({});
    if (refocus)
        m_area.setFocus(Qt::OtherFocusReason);
}

void FindBar::refresh()
{
    m_textStale = true;
    if (isVisible())
        search(m_current >= 0 ? m_matches[size_t(m_current)].start : m_anchor);
}

void FindBar::search(int from)
{
    if (m_textStale) {
        m_text = foldDocument(*m_area.document());
        m_textStale = false;
    }
    m_matches = findAll(m_text, foldForMatching(m_field->text()));
    const auto first = std::lower_bound(m_matches.begin(), m_matches.end(), from,
                                        [](const TextMatch &m, int at) { return m.start < at; });
    m_current = m_matches.empty() ? -1 : int(first == m_matches.end() ? 0 : first - m_matches.begin());
    highlight();
    showCurrent();
}

void FindBar::next()
{
    if (m_matches.empty())
        return;
    m_current = (m_current + 1) % int(m_matches.size());
    highlight();
    showCurrent();
}

void FindBar::previous()
{
    if (m_matches.empty())
        return;
    m_current = (m_current + int(m_matches.size()) - 1) % int(m_matches.size());
    highlight();
    showCurrent();
}

void FindBar::highlight()
{
    QList<QTextEdit::ExtraSelection> selections;
    const int shown = std::min<int>(int(m_matches.size()), MostHighlights);
    selections.reserve(shown + 1);
    for (int i = 0; i < shown; ++i) {
        if (i == m_current)
            continue;
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(m_area.document());
        selection.cursor.setPosition(m_matches[size_t(i)].start);
        selection.cursor.setPosition(m_matches[size_t(i)].end, QTextCursor::KeepAnchor);
        selection.format.setBackground(MatchBack);
        selection.format.setForeground(Qt::black);
        selections.append(selection);
    }
    if (const auto current = currentMatch()) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(m_area.document());
        selection.cursor.setPosition(current->start);
        selection.cursor.setPosition(current->end, QTextCursor::KeepAnchor);
        selection.format.setBackground(CurrentBack);
        selection.format.setForeground(Qt::black);
        selections.append(selection);
    }
    m_area.setExtraSelections(selections);
    m_status->setText(status());
}

// Brings the current match into the part of the area that the bar leaves free, a third of the way
// down when it has to move.
void FindBar::showCurrent()
{
    const auto current = currentMatch();
    if (!current)
        return;
    QTextCursor cursor(m_area.document());
    cursor.setPosition(current->start);
    m_area.setTextCursor(cursor);
    const QRect at = m_area.cursorRect(cursor);
    const int room = m_area.viewport()->height() - (isVisible() ? height() : 0);
    if (at.top() >= 0 && at.bottom() < room)
        return;
    QScrollBar *bar = m_area.verticalScrollBar();
    bar->setValue(bar->value() + at.top() - room / 3);
}

std::optional<TextMatch> FindBar::currentMatch() const
{
    if (m_current < 0)
        return std::nullopt;
    return m_matches[size_t(m_current)];
}

QString FindBar::status() const
{
    if (m_field->text().isEmpty())
        return QString();
    if (m_matches.empty())
        return QStringLiteral("Not found");
    return QStringLiteral("%1 of %2").arg(m_current + 1).arg(m_matches.size());
}

} // namespace vireka
