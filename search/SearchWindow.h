#pragma once

#include "DocumentIndex.h"

#include <QWidget>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vireka {

// One window that searches every document and stored text: a search field and one row of hits per
// document. Opening a hit does what the user would do by hand (open the screen that shows it, press
// its link) and then shows the first occurrence highlighted. The index is built in memory on the
// first search, and lives as long as the program runs. The window does not keep the program alive.
class SearchWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the one window, or brings it to the front.
    static SearchWindow &open();
    // The window, while it is open.
    static SearchWindow *current();

    QLineEdit &field() const { return *m_field; }
    QTreeWidget &hits() const { return *m_hits; }
    void search();
    void openHit(int row);

    // The index the window searches, built on first use.
    static const DocumentIndex &index();

private:
    SearchWindow();
    void colourContexts();

    QLineEdit *m_field;
    QTreeWidget *m_hits;
    std::vector<SearchHit> m_results;
    QString m_query;
};

// Makes Ctrl+Shift+F and "Search All Documents..." open the search window.
void installDocumentSearch();

// Opens the screen that shows `document` as a user would, then shows the first occurrence of
// `query` in it, highlighted.
void openDocumentAt(const IndexedDocument &document, const QString &query);

} // namespace vireka
