// The main menu as a user meets it: what it shows, the definitions, and the links that open screens.
// Its EXIT, Escape and link table are covered with every other screen's.

#include "AllScreens.h"
#include "Application.h"
#include "ScreenTest.h"
#include "galleries/frmPhotoAsanas.h"
#include "menu/frmYoga.h"
#include "study/frmYogaInstructions.h"

#include <QScrollBar>

using namespace vireka;
using namespace vireka::test;
using namespace vireka::test::shades;

namespace {

DocumentArea &area(frmYoga &menu) { return menu.control<DocumentArea>("rtfYoga"); }

} // namespace

class MenuTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void startsMaximisedWithAnEmptyAreaThatHoldsTheFocus()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(menu.window()->isMaximized());
        QVERIFY(area(menu).toPlainText().isEmpty());
        QApplication::setActiveWindow(menu.window());
        QCOMPARE(QApplication::focusWidget(), &area(menu));
    }

    void geometryAndColoursMatchTheLayout()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        QTRY_VERIFY(menu.client()->width() > 700);
        const ScreenProbe probe(menu.client());
        QCOMPARE(area(menu).geometry(), QRect(160, 32, 465, 385));
        QCOMPARE(probe.at(300, 200), Blue);                      // the empty document area
        QCOMPARE(probe.at(700, 300), Black);                     // beyond the design size
        QCOMPARE(probe.at(60, 116), Black);                      // gap between two links
        QCOMPARE(probe.at(10, 90), Blue);                        // YOGA TRADITIONS box
        QVERIFY(probe.contains(QRect(9, 89, 143, 23), White));   // its caption
        QVERIFY(probe.contains(QRect(89, 393, 63, 23), Red));    // EXIT
        QVERIFY(!probe.contains(QRect(89, 393, 63, 23), White));
        QVERIFY(probe.contains(QRect(168, 8, 449, 24), Yellow)); // the title over black
        QCOMPARE(probe.at(170, 30), Black);
        QCOMPARE(menu.control<QWidget>("Image1").geometry(), QRect(8, 8, 144, 71));
        QCOMPARE(menu.control<QWidget>("lblInstructions").geometry(), QRect(8, 120, 145, 41));
        QCOMPARE(menu.control<QWidget>("lblAbout").geometry(), QRect(8, 392, 73, 25));
        // The title's lowest part lies under the document area.
        QCOMPARE(menu.client()->childAt(300, 36), area(menu).viewport());
    }

    void theAreasSunkenEdgeShowsOnBlack()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        const ScreenProbe probe(menu.client());
        const QRect edge = area(menu).geometry();
        QCOMPARE(probe.at(edge.left() + 20, edge.top()), QColor(128, 128, 128));        // outer shadow
        QCOMPARE(probe.at(edge.left() + 20, edge.bottom()), QColor(255, 255, 255));     // outer highlight
        QCOMPARE(probe.at(edge.left(), edge.top() + 20), QColor(128, 128, 128));
        QVERIFY(probe.at(edge.left() + 20, edge.top() + 1) != Blue);                    // inner shadow
    }

    void toolTips()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        QCOMPARE(menu.control<QWidget>("Image1").toolTip(), QStringLiteral("Halasana"));
        QCOMPARE(menu.control<QWidget>("lblTraditions").toolTip(), QStringLiteral("Click for Definitions"));
    }

    void definitionsShowFromTheTopEachTime()
    {
        fixture.writeFile("YogaDef.rtf", longRtf("Definitions"));
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, "lblTraditions"));
        QVERIFY(area(menu).toPlainText().startsWith(QStringLiteral("Definitions")));
        QScrollBar *bar = area(menu).verticalScrollBar();
        bar->setValue(bar->maximum());
        QVERIFY(bar->value() > 0);
        QVERIFY(click(menu, "lblTraditions"));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(area(menu).textCursor().position(), 0);
    }

    void eachLoadReplacesTheDocumentItShowed()
    {
        fixture.writeFile("YogaDef.rtf", rtf("Definitions"));
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, "lblTraditions"));
        QPointer<QTextDocument> first = area(menu).document();
        QVERIFY(click(menu, "lblTraditions"));
        QVERIFY(area(menu).document() != first);
        QVERIFY2(first.isNull(), "the area keeps one document at a time");
        ClearDocument(area(menu));
        QVERIFY(area(menu).toPlainText().isEmpty());
    }

    void linkOpensOneScreenAndBringsItBackUnchanged()
    {
        fixture.writeFile("Introduction.rtf", rtf("Intro"));
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, "lblInstructions"));
        frmYogaInstructions *opened = slot<frmYogaInstructions>();
        QVERIFY(opened && opened->isLoaded());
        QVERIFY(click(*opened, "lblIntroduction"));
        QVERIFY(click(menu, "lblInstructions"));
        QCOMPARE(slot<frmYogaInstructions>(), opened);
        QCOMPARE(shown(*opened, "rtfInstructions"), QStringLiteral("Intro"));
        QVERIFY(click(menu, "lblAsanas"));
        QVERIFY(slot<frmPhotoAsanas>() && slot<frmPhotoAsanas>()->isLoaded());
    }

    void exitClosesOnlyTheMenu()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, "lblInstructions"));
        QVERIFY(click(menu, "lblExit"));
        QVERIFY(!slot<frmYoga>());
        QVERIFY(slot<frmYogaInstructions>()->window()->isVisible());
        QCOMPARE(fixture.endings, 0);
        QVERIFY(click(*slot<frmYogaInstructions>(), "lblExit"));
        QCOMPARE(fixture.endings, 1);
    }

    void escapeEndsEveryScreen()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, "lblInstructions"));
        area(menu).setFocus();
        QTest::keyClick(&area(menu), Qt::Key_Escape);
        QVERIFY(!slot<frmYoga>());
        QCOMPARE(fixture.endings, 1);
    }

    // Every link that names a section opens that section's screen, and only it.
    void eachLinkOpensItsScreen_data()
    {
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<QString>("screen");
        const char *const rows[][2] = {
            {"lblInstructions", "frmYogaInstructions"}, {"lblArticles", "frmArticles"},
            {"lblDirectory", "frmDirectory"},           {"lblAsanas", "frmPhotoAsanas"},
            {"lblTesmara", "frmTesmara"},               {"lblHalvena", "frmHalvena"},
            {"lblUpgrades", "frmUpgrade"},              {"lblAbout", "frmAbout"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QByteArray(row[0]) << QString::fromLatin1(row[1]);
    }
    void eachLinkOpensItsScreen()
    {
        QFETCH(QByteArray, link);
        QFETCH(QString, screen);
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, link.constData()));
        const ScreenClass *opened = screenClass(screen.toStdString());
        QVERIFY(opened && opened->instance() && opened->instance()->isLoaded());
        QCOMPARE(shell::loadedScreenCount(), 2);
        QVERIFY(fixture.messages.isEmpty());
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    MenuTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menu.moc"
