#include "SearchWindow.h"

#include "AllScreens.h"
#include "Colour.h"
#include "DocumentArea.h"
#include "FindBar.h"
#include "LabelControl.h"
#include "Pictures.h"
#include "ReadingAids.h"
#include "Screen.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vireka {

namespace {

QPointer<SearchWindow> &openWindow()
{
    static QPointer<SearchWindow> window;
    return window;
}

enum Column { Title, Where, Count, Context };

// Enter on a hit opens it, as a double-click does.
class HitList : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem())
            emit itemActivated(currentItem(), Title);
        else
            QTreeWidget::keyPressEvent(event);
    }
};

// What the link does when clicked: its own Click, so that a screen that clears first clears first.
void pressLink(Screen &screen, const char *control)
{
    QObject &target = screen.control<QObject>(control);
    if (auto *label = qobject_cast<LabelControl *>(&target))
        emit label->clicked();
    else if (auto *command = qobject_cast<QAction *>(&target))
        command->trigger();
    else if (auto *button = qobject_cast<QPushButton *>(&target))
        button->click();
}

} // namespace

const DocumentIndex &SearchWindow::index()
{
    static DocumentIndex built;
    if (!built.built())
        built.build();
    return built;
}

SearchWindow::SearchWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("searchWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Search All Documents"));
    setWindowIcon(programIcon());
    setPalette(classicPalette());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto *prompt = new QLabel(QStringLiteral("Find in every document:"), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("searchField"));
    prompt->setBuddy(m_field);
    m_hits = new HitList(this);
    m_hits->setObjectName(QStringLiteral("searchHits"));
    m_hits->setRootIsDecorated(false);
    m_hits->setUniformRowHeights(true);
    m_hits->setHeaderLabels({QStringLiteral("Document"), QStringLiteral("Shown by"), QStringLiteral("Hits"),
                             QStringLiteral("Context")});
    m_hits->header()->setStretchLastSection(true);
    layout->addWidget(prompt);
    layout->addWidget(m_field);
    layout->addWidget(m_hits, 1);
    connect(m_field, &QLineEdit::returnPressed, this, [this] {
        search();
        if (m_hits->topLevelItemCount() > 0) {
            m_hits->setCurrentItem(m_hits->topLevelItem(0));
            m_hits->setFocus();
        }
    });
    connect(m_hits, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { openHit(m_hits->indexOfTopLevelItem(item)); });
    connect(m_hits, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { openHit(m_hits->indexOfTopLevelItem(item)); });
    connect(m_hits, &QTreeWidget::itemSelectionChanged, this, &SearchWindow::colourContexts);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(760, 420);
}

SearchWindow &SearchWindow::open()
{
    QPointer<SearchWindow> &window = openWindow();
    if (!window) {
        window = new SearchWindow;
        const QScreen *desktop = QGuiApplication::primaryScreen();
        if (desktop) {
            QRect frame = window->frameGeometry();
            frame.moveCenter(desktop->availableGeometry().center());
            window->move(frame.topLeft());
        }
        window->show();
    }
    window->raise();
    window->activateWindow();
    window->m_field->setFocus();
    window->m_field->selectAll();
    return *window;
}

SearchWindow *SearchWindow::current()
{
    return openWindow().data();
}

void SearchWindow::search()
{
    m_query = m_field->text();
    m_results = index().search(m_query);
    m_hits->clear();
    for (const SearchHit &hit : m_results) {
        auto *item = new QTreeWidgetItem(m_hits);
        item->setText(Title, hit.document->title);
        item->setText(Where, hit.document->where);
        item->setText(Count, QString::number(hit.count));
        item->setTextAlignment(Count, Qt::AlignRight | Qt::AlignVCenter);
        auto *context = new QLabel(contextLine(*hit.document, hit.first));
        context->setTextFormat(Qt::RichText);
        m_hits->setItemWidget(item, Context, context);
    }
    for (int column : {Title, Where, Count})
        m_hits->resizeColumnToContents(column);
    if (m_hits->columnWidth(Title) > 220)
        m_hits->setColumnWidth(Title, 220);
}

// A context is a label of its own over its row, which does not follow the row's selection by itself:
// on a chosen row it takes the chosen text's colour, as the row's other columns do.
void SearchWindow::colourContexts()
{
    for (int row = 0; row < m_hits->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_hits->topLevelItem(row);
        if (QWidget *context = m_hits->itemWidget(item, Context))
            context->setForegroundRole(item->isSelected() ? QPalette::HighlightedText : QPalette::WindowText);
    }
}

void SearchWindow::openHit(int row)
{
    if (row < 0 || row >= int(m_results.size()))
        return;
    openDocumentAt(*m_results[size_t(row)].document, m_query);
}

void openDocumentAt(const IndexedDocument &document, const QString &query)
{
    const ScreenClass *screenClass = vireka::screenClass(document.place.screen);
    if (!screenClass)
        return;
    Screen &screen = screenClass->open();
    if (!screen.isLoaded())
        return;
    if (document.place.control)
        pressLink(screen, document.place.control);
    if (!screen.isLoaded())
        return;
    auto &area = screen.control<DocumentArea>(document.place.area);
    ReadingAids::of(area).findBar().showFirst(query.simplified());
}

void installDocumentSearch()
{
    ReadingAids::setSearchAllDocuments([] { SearchWindow::open(); });
}

} // namespace vireka
