// Reading with the keyboard on real windows, where the focus and the active window are real: the find
// bar, zooming an area and back, the search over every document, and the ring over links.

#include "Application.h"
#include "FindBar.h"
#include "LinkRing.h"
#include "ReadingAids.h"
#include "ScreenTest.h"
#include "SearchWindow.h"
#include "rtf/DocumentBudget.h"
#include "study/frmYogaInstructions.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTreeWidget>

using namespace vireka;
using namespace vireka::test;

namespace {

// A picture of the whole screen for the one who looks at the work, when asked for with VIREKA_SHOTS.
void shoot(const char *name)
{
    const QString folder = qEnvironmentVariable("VIREKA_SHOTS");
    if (folder.isEmpty())
        return;
    QTest::qWait(200);
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder + QLatin1Char('/') + QLatin1String(name) + ".png");
}

// A document whose accented word stands only far down, below many screens of text.
QByteArray farDown()
{
    QByteArray body = "Breathing\\par ";
    for (int i = 0; i < 300; ++i)
        body += "Line of plain text " + QByteArray::number(i) + "\\par ";
    return rtf(body + "The \\u256?sana ends here.\\par Last");
}

} // namespace

class RealReadingTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void initTestCase() { installDocumentSearch(); }

    void findScrollsToAWordFarDownAndEscapeClosesOnlyTheBar()
    {
        fixture.writeFile("Pranayama.rtf", farDown());
        auto &screen = openActive<frmYogaInstructions>();
        QVERIFY(click(screen, "lblPranayama"));
        auto &area = screen.control<DocumentArea>("rtfInstructions");
        area.setFocus();
        QCOMPARE(area.verticalScrollBar()->value(), 0);
        press(Qt::Key_F, Qt::ControlModifier);
        FindBar &bar = ReadingAids::of(area).findBar();
        QVERIFY(bar.isVisible());
        QCOMPARE(QApplication::focusWidget(), &bar.field());
        QTest::keyClicks(&bar.field(), "ASANA");
        QCOMPARE(bar.status(), QStringLiteral("1 of 1"));
        QVERIFY(area.verticalScrollBar()->value() > 0);
        const QRect word = area.cursorRect(QTextCursor(area.textCursor()));
        QVERIFY(area.viewport()->rect().contains(word));
        shoot("find-bar");
        QVERIFY(click(screen, "lblPranayama")); // a new document closes the bar and its highlights
        QVERIFY(!bar.isVisible());
        QCOMPARE(QApplication::focusWidget(), &area);
        press(Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(&bar.field(), "xyz");
        QCOMPARE(bar.status(), QStringLiteral("Not found"));
        press(Qt::Key_Escape);
        QVERIFY(!bar.isVisible());
        QCOMPARE(QApplication::focusWidget(), &area);
        QCOMPARE(fixture.endings, 0);
        press(Qt::Key_Escape); // the bar closed, Escape ends the program as before
        QCOMPARE(fixture.endings, 1);
    }

    void zoomEnlargesTheTextAndCtrlZeroGivesBackTheDesign()
    {
        fixture.writeFile("Pranayama.rtf", longRtf("Breathing"));
        auto &screen = openActive<frmYogaInstructions>();
        QVERIFY(click(screen, "lblPranayama"));
        auto &area = screen.control<DocumentArea>("rtfInstructions");
        area.setFocus();
        QTest::qWait(50);
        const QSizeF designSize = area.document()->size();
        const qreal designHeight = area.document()->size().height();
        press(Qt::Key_Plus, Qt::ControlModifier);
        press(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(area.zoomPercent(), 125);
        QVERIFY(area.document()->size().height() > designHeight * 1.15);
        shoot("zoomed-area");
        for (int i = 0; i < 20; ++i)
            press(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(area.zoomPercent(), 300);
        press(Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(area.zoomPercent(), 100);
        QCOMPARE(area.document()->size(), designSize);
        QCOMPARE(QApplication::focusWidget(), &area);

        // Too tall to show whole at 300%, not at 100%: back at 100% it is whole again.
        fixture.writeFile("Pranayama.rtf", rtf("\\fs200 " + QByteArray("x\\par ").repeated(12000) + "Last"));
        QVERIFY(click(screen, "lblPranayama"));
        area.setFocus();
        const auto endsWith = [&area](const QString &text) {
            return area.document()->toPlainText().trimmed().endsWith(text);
        };
        QVERIFY(endsWith("x\nLast"));
        for (int i = 0; i < 20; ++i)
            press(Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(endsWith(cutNotice()));
        press(Qt::Key_0, Qt::ControlModifier);
        QVERIFY(endsWith("x\nLast"));
    }

    void aSearchHitOpensTheInstructionsAtTheWord()
    {
        fixture.writeFile("Pranayama.rtf", farDown());
        QVERIFY(SetProgramFolder() == 0);
        SearchWindow &window = SearchWindow::open();
        QVERIFY(QTest::qWaitForWindowActive(&window, WindowManagerPatience));
        QTest::keyClicks(&window.field(), "asana");
        QTest::keyClick(&window.field(), Qt::Key_Return);
        const QList<QTreeWidgetItem *> rows =
            window.hits().findItems(QStringLiteral("Instructions: PRANAYAMA"), Qt::MatchExactly, 1);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]->text(0), QStringLiteral("Breathing"));
        window.hits().setCurrentItem(rows[0]);
        QCOMPARE(window.hits().itemWidget(rows[0], 3)->foregroundRole(), QPalette::HighlightedText);
        shoot("search-window");
        QTest::keyClick(&window.hits(), Qt::Key_Return);
        auto *screen = slot<frmYogaInstructions>();
        QVERIFY(screen && screen->isLoaded());
        auto &area = screen->control<DocumentArea>("rtfInstructions");
        FindBar &bar = ReadingAids::of(area).findBar();
        QVERIFY(bar.isVisible());
        QCOMPARE(bar.status(), QStringLiteral("1 of 1"));
        QVERIFY(area.verticalScrollBar()->value() > 0);
        QVERIFY(QTest::qWaitForWindowActive(screen->window(), WindowManagerPatience));
        shoot("search-hit-opened");
        window.close();
    }

    void ctrlTabRingsTheFirstLinkAndEnterPressesIt()
    {
        fixture.writeFile("Introduction.rtf", longRtf("Introduction"));
        auto &screen = openActive<frmYogaInstructions>();
        auto &area = screen.control<DocumentArea>("rtfInstructions");
        QWidget *focusBefore = QApplication::focusWidget();
        press(Qt::Key_Tab, Qt::ControlModifier);
        LinkRing *ring = LinkRing::on(screen);
        QVERIFY(ring);
        QCOMPARE(ring->ringed(), &screen.control<LabelControl>("lblIntroduction"));
        press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(ring->ringed(), &screen.control<LabelControl>("lblExit"));
        press(Qt::Key_Tab, Qt::ControlModifier);
        shoot("link-ring");
        press(Qt::Key_Return);
        QCOMPARE(area.document()->begin().text(), QStringLiteral("Introduction"));
        QCOMPARE(QApplication::focusWidget(), focusBefore);
        press(Qt::Key_PageDown);
        QVERIFY(area.verticalScrollBar()->value() > 0);
        QTest::mouseClick(screen.client(), Qt::LeftButton, {}, QPoint(600, 20));
        QVERIFY(!LinkRing::on(screen));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    RealReadingTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_real_reading.moc"
