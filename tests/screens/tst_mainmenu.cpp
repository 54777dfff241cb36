// The main menu as a user meets it: what it shows, its links, EXIT and Escape.

#include "Application.h"
#include "DocumentArea.h"
#include "LabelControl.h"
#include "ScreenProbe.h"
#include "ScreenSlots.h"
#include "ShellFixture.h"
#include "menu/frmYoga.h"
#include "study/frmYogaInstructions.h"

#include <QScrollBar>
#include <QTest>

using namespace vireka;
using vireka::test::ScreenProbe;
using vireka::test::ShellFixture;

namespace {

const QColor Black(0, 0, 0);
const QColor Blue(0, 0, 192);
const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);

void click(Screen &screen, const char *label)
{
    QTest::mouseClick(screen.control<LabelControl>(label), Qt::LeftButton, {}, QPoint(4, 4));
}

QByteArray longDocument(const QByteArray &first)
{
    QByteArray body = first + "\\par ";
    for (int i = 0; i < 200; ++i)
        body += "Line " + QByteArray::number(i) + " of a long definition.\\par ";
    return ShellFixture::rtf(body);
}

} // namespace

class MainMenuTest : public QObject {
    Q_OBJECT

private slots:
    void startsMaximisedBlackWithItsCaption()
    {
        ShellFixture fixture;
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(menu.window()->isMaximized());
        QCOMPARE(menu.window()->windowTitle(), QStringLiteral("  VIREKA: A FREEWARE PROGRAM FROM MORVANE ZUVOVURODA"));
        QVERIFY(!menu.window()->windowIcon().isNull());
        QVERIFY(menu.rtfYoga()->toPlainText().isEmpty());
        QApplication::setActiveWindow(menu.window());
        QCOMPARE(QApplication::focusWidget(), menu.rtfYoga());
    }

    void geometryAndColoursMatchTheLayout()
    {
        ShellFixture fixture;
        frmYoga &menu = OpenScreen<frmYoga>();
        QTRY_VERIFY(menu.client()->width() > 700);
        const ScreenProbe probe(menu.client());
        QCOMPARE(menu.rtfYoga()->geometry(), QRect(160, 32, 465, 385));
        QCOMPARE(probe.at(300, 200), Blue);                      // the empty document area
        QCOMPARE(probe.at(700, 300), Black);                     // beyond the design size
        QCOMPARE(probe.at(60, 116), Black);                      // gap between two links
        QCOMPARE(probe.at(10, 90), Blue);                        // YOGA TRADITIONS box
        QVERIFY(probe.contains(QRect(9, 89, 143, 23), White));   // its caption
        QVERIFY(probe.contains(QRect(89, 393, 63, 23), Red));    // EXIT
        QVERIFY(!probe.contains(QRect(89, 393, 63, 23), White));
        QVERIFY(probe.contains(QRect(168, 8, 449, 24), Yellow)); // the title over black
        QCOMPARE(probe.at(170, 30), Black);
        QCOMPARE(menu.control<QWidget>("Image1")->geometry(), QRect(8, 8, 144, 71));
        QCOMPARE(menu.control<QWidget>("lblInstructions")->geometry(), QRect(8, 120, 145, 41));
        QCOMPARE(menu.control<QWidget>("lblAbout")->geometry(), QRect(8, 392, 73, 25));
        // The title's lowest part lies under the document area.
        QCOMPARE(menu.client()->childAt(300, 36), menu.rtfYoga()->viewport());
    }

    void toolTips()
    {
        ShellFixture fixture;
        frmYoga &menu = OpenScreen<frmYoga>();
        QCOMPARE(menu.control<QWidget>("Image1")->toolTip(), QStringLiteral("Halasana"));
        QCOMPARE(menu.control<QWidget>("lblTraditions")->toolTip(), QStringLiteral("Click for Definitions"));
    }

    void traditionsLoadsDefinitionsFromTheTopEachTime()
    {
        ShellFixture fixture;
        fixture.writeFile("YogaDef.rtf", longDocument("Definitions"));
        frmYoga &menu = OpenScreen<frmYoga>();
        click(menu, "lblTraditions");
        QVERIFY(menu.rtfYoga()->toPlainText().startsWith(QStringLiteral("Definitions")));
        menu.rtfYoga()->verticalScrollBar()->setValue(menu.rtfYoga()->verticalScrollBar()->maximum());
        QVERIFY(menu.rtfYoga()->verticalScrollBar()->value() > 0);
        click(menu, "lblTraditions");
        QCOMPARE(menu.rtfYoga()->verticalScrollBar()->value(), 0);
        QCOMPARE(menu.rtfYoga()->textCursor().position(), 0);
    }

    void missingOrBrokenDefinitionsChangeNothing()
    {
        ShellFixture fixture;
        frmYoga &menu = OpenScreen<frmYoga>();
        click(menu, "lblTraditions");
        QVERIFY(menu.rtfYoga()->toPlainText().isEmpty());
        fixture.writeFile("YogaDef.rtf", ShellFixture::rtf("Shown"));
        click(menu, "lblTraditions");
        fixture.writeFile("YogaDef.rtf", QByteArray("MZ\x90\x00\x03binary", 11));
        click(menu, "lblTraditions");
        QCOMPARE(menu.rtfYoga()->toPlainText().trimmed(), QStringLiteral("Shown"));
        QVERIFY(fixture.messages.isEmpty());
    }

    void instructionsLinkOpensOneScreenAndBringsItBack()
    {
        ShellFixture fixture;
        fixture.writeFile("Introduction.rtf", ShellFixture::rtf("Intro"));
        frmYoga &menu = OpenScreen<frmYoga>();
        click(menu, "lblInstructions");
        frmYogaInstructions *opened = slot<frmYogaInstructions>();
        QVERIFY(opened && opened->isLoaded());
        QTest::mouseClick(opened->control<LabelControl>("lblIntroduction"), Qt::LeftButton, {}, QPoint(4, 4));
        click(menu, "lblInstructions");
        QCOMPARE(slot<frmYogaInstructions>(), opened);
        QCOMPARE(opened->rtfInstructions()->toPlainText().trimmed(), QStringLiteral("Intro"));
    }

    void exitClosesOnlyTheMenu()
    {
        ShellFixture fixture;
        frmYoga &menu = OpenScreen<frmYoga>();
        click(menu, "lblInstructions");
        click(menu, "lblExit");
        QVERIFY(!slot<frmYoga>());
        QVERIFY(slot<frmYogaInstructions>()->window()->isVisible());
        QCOMPARE(fixture.endings, 0);
        QTest::mouseClick(slot<frmYogaInstructions>()->control<LabelControl>("lblExit"), Qt::LeftButton, {},
                          QPoint(4, 4));
        QCOMPARE(fixture.endings, 1);
    }

    void exitAloneEndsTheProgram()
    {
        ShellFixture fixture;
        click(OpenScreen<frmYoga>(), "lblExit");
        QCOMPARE(fixture.endings, 1);
    }

    void escapeWithTheAreaFocusedEndsEverything()
    {
        ShellFixture fixture;
        frmYoga &menu = OpenScreen<frmYoga>();
        click(menu, "lblInstructions");
        menu.rtfYoga()->setFocus();
        QTest::keyClick(menu.rtfYoga(), Qt::Key_Escape);
        QVERIFY(!slot<frmYoga>());
        QCOMPARE(fixture.endings, 1);
    }

    void linksOfScreensNotYetBuiltDoNothing()
    {
        ShellFixture fixture;
        frmYoga &menu = OpenScreen<frmYoga>();
        for (const char *link : {"lblArticles", "lblDirectory", "lblTesmara", "lblHalvena",
                                 "lblUpgrades", "lblAbout"})
            click(menu, link);
        QCOMPARE(shell::loadedScreenCount(), 1);
        QVERIFY(fixture.messages.isEmpty());
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    MainMenuTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainmenu.moc"
