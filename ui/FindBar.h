#pragma once

#include "FoldedText.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;

namespace vireka {

class DocumentArea;

// A one-line bar over the bottom edge of a document area, inside its rectangle, that finds a word in
// the document shown: every match is highlighted and the current one scrolled into view. Matching
// ignores case and accents. The field takes the focus only when clicked or when the bar opens, so
// that Tab keeps the screen's order.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(DocumentArea &area);

    // Opens the bar with the focus in its field, finding from the top of what the area shows.
    void open();
    // Opens the bar on `query` without taking the focus, at its first match from the document's top.
    void showFirst(const QString &query);
    // Hides the bar and its highlights; with `refocus`, the area takes the focus back.
    void close(bool refocus);
    void next();
    void previous();
    // Finds the field's text again in the document now shown, keeping the current match's place.
    void refresh();

    QLineEdit &field() const { return *m_field; }
    QString status() const;
    int matchCount() const { return int(m_matches.size()); }
    std::optional<TextMatch> currentMatch() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(int from);
    void showCurrent();
    void highlight();
    void place();

    DocumentArea &m_area;
    QLineEdit *m_field;
    QLabel *m_status;
    FoldedText m_text;
    bool m_textStale = true;
    std::vector<TextMatch> m_matches;
    int m_current = -1;
    int m_anchor = 0;
};

} // namespace vireka
