#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QMenu;
class QWidget;

namespace vireka {

class DocumentArea;
class FindBar;

// What a reader can do in a document area beyond reading: find a word in the document shown, and
// enlarge or reduce its text. Reached from the area's context menu, beside Copy and Select All, from
// Ctrl with the wheel, and from the keys below. It belongs to the area and goes with it.
class ReadingAids : public QObject {
    Q_OBJECT
public:
    explicit ReadingAids(DocumentArea &area);

    // The aids of `area`, made on first use.
    static ReadingAids &of(DocumentArea &area);
    // The document area that holds `widget` (the area, its viewport or its find bar), if any.
    static DocumentArea *areaHolding(QWidget *widget);

    // Ctrl+F, F3, Shift+F3, and in the find field Enter, Shift+Enter and Escape; Ctrl with plus,
    // minus and 0. Returns true when the press was used.
    bool keyPress(QWidget *receiver, const QKeyEvent &press);

    FindBar &findBar();
    bool findBarOpen() const;
    void zoomIn();
    void zoomOut();
    void actualSize();

    // What "Search All Documents..." does; set once by the program.
    static void setSearchAllDocuments(std::function<void()> action);
    static void searchAllDocuments();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &globalPos, const QPoint &viewportPos);
    void documentShown();
    void zoomTo(int percent);

    DocumentArea &m_area;
    FindBar *m_findBar = nullptr;
    bool m_zooming = false;
};

} // namespace vireka
