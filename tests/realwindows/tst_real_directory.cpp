// The directory in real windows: the hub's pointer as the real mouse pointer moves over it, where the
// keyboard focus and the keys go on each directory screen, and which window is in front after a
// hand-over.

#include "Application.h"
#include "ScreenTest.h"
#include "directory/frmCountry.h"
#include "directory/frmDirectory.h"
#include "directory/frmSubmit.h"
#include "directory/frmTradition.h"
#include "menu/frmYoga.h"

#include <QCursor>
#include <QTextEdit>

using namespace vireka;
using namespace vireka::test;

namespace {

// Moves the real pointer to `at` in the hub's client area and lets the window system deliver it.
void movePointer(frmDirectory &hub, QPoint at)
{
    QCursor::setPos(hub.client()->mapToGlobal(at));
    QTest::qWait(100);
}

const QPoint OverCountryLink(370, 180);
const QPoint OverDescription(300, 70);
const QPoint OverBackground(140, 50);
const QPoint OverPicture(50, 100);

} // namespace

class RealDirectoryTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    // The custom cursor stays while the pointer crosses labels, and gives way for good at the first
    // move over the background or the picture.
    void hubPointerFollowsTheRealMouse_data()
    {
        QTest::addColumn<QPoint>("resetAt");
        QTest::newRow("background") << OverBackground;
        QTest::newRow("picture") << OverPicture;
    }
    void hubPointerFollowsTheRealMouse()
    {
        QFETCH(QPoint, resetAt);
        // Park the pointer where no window opens, so the hub does not appear under it.
        QCursor::setPos(QPoint(1, 1022));
        QTest::qWait(100);
        openActive<frmYoga>();
        frmDirectory &hub = openActive<frmDirectory>();
        movePointer(hub, OverCountryLink);
        movePointer(hub, OverDescription);
        movePointer(hub, OverCountryLink + QPoint(5, 0));
        QCOMPARE(hub.mousePointer(), PointerCustom);
        QCOMPARE(hub.control<QWidget>("lblCountry").cursor().shape(), Qt::BitmapCursor);

        movePointer(hub, resetAt);
        QTRY_COMPARE_WITH_TIMEOUT(hub.mousePointer(), PointerDefault, WindowManagerPatience);
        movePointer(hub, OverCountryLink);
        QCOMPARE(hub.mousePointer(), PointerDefault);
        QCOMPARE(hub.control<QWidget>("lblCountry").cursor().shape(), Qt::ArrowCursor);
    }

    // A hub that opens under a pointer resting on a link shows the custom cursor there.
    void hubOpensWithTheCustomCursorUnderARestingPointer()
    {
        openActive<frmYoga>();
        frmDirectory &first = openActive<frmDirectory>();
        movePointer(first, OverBackground);
        QTRY_COMPARE_WITH_TIMEOUT(first.mousePointer(), PointerDefault, WindowManagerPatience);
        const QPoint link = first.client()->mapToGlobal(OverCountryLink);
        QVERIFY(click(first, "lblExit"));
        ShellFixture::flushDeletes();
        QCursor::setPos(link);
        QTest::qWait(100);
        frmDirectory &again = openActive<frmDirectory>();
        QTest::qWait(200);
        QCOMPARE(again.client()->mapToGlobal(OverCountryLink), link);
        QCOMPARE(again.mousePointer(), PointerCustom);
        QCOMPARE(again.control<QWidget>("lblCountry").cursor().shape(), Qt::BitmapCursor);
    }

    // No control of the hub takes the focus, so the hub itself gets the keys, Escape among them.
    void theHubHoldsTheFocusItself()
    {
        openActive<frmYoga>();
        frmDirectory &hub = openActive<frmDirectory>();
        QCOMPARE(QApplication::activeWindow(), hub.window());
        QCOMPARE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(hub.window(), Qt::Key_Escape);
        QCOMPARE(fixture.endings, 1);
    }

    // A click on a link leaves the focus in the area, and Escape there ends the program.
    void listingsKeepTheFocusInTheirArea_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("link");
        QTest::newRow("country") << "frmCountry" << "rtfDirectory" << "lblIndia";
        QTest::newRow("tradition") << "frmTradition" << "rtfTradition" << "Label1";
    }
    void listingsKeepTheFocusInTheirArea()
    {
        QFETCH(QString, screen);
        QFETCH(QString, area);
        QFETCH(QString, link);
        fixture.writeFile("India.rtf", longRtf("India"));
        fixture.writeFile("Tantra.rtf", longRtf("Tantra"));
        Screen &opened = screen == QLatin1String("frmCountry") ? static_cast<Screen &>(openActive<frmCountry>())
                                                               : static_cast<Screen &>(openActive<frmTradition>());
        auto &document = opened.control<DocumentArea>(area.toLatin1().constData());
        QCOMPARE(QApplication::focusWidget(), &document);
        QVERIFY(click(opened, link.toLatin1().constData()));
        QCOMPARE(QApplication::focusWidget(), &document);
        QTest::keyClick(&document, Qt::Key_Escape);
        QCOMPARE(fixture.endings, 1);
    }

    void theNoticeTakesTypingAndEscapeEndsTheProgram()
    {
        frmSubmit &notice = openActive<frmSubmit>();
        auto &text = notice.control<QTextEdit>("Text1");
        QCOMPARE(QApplication::focusWidget(), &text);
        QTest::keyClicks(&text, "abc");
        QVERIFY(text.toPlainText().startsWith(QStringLiteral("abc")));
        QTest::keyClick(&text, Qt::Key_Escape);
        QCOMPARE(fixture.endings, 1);
    }

    // "Find Country of Center" leaves the country screen active; the notice comes to the front
    // whichever screen asks for it again.
    void handOversBringTheOpenedScreenToTheFront()
    {
        openActive<frmYoga>();
        frmDirectory &hub = openActive<frmDirectory>();
        QVERIFY(click(hub, "Tradition"));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), slot<frmTradition>()->window(), WindowManagerPatience);
        QVERIFY(click(*slot<frmTradition>(), "lblCountry"));
        QVERIFY(!slot<frmTradition>());
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), slot<frmCountry>()->window(), WindowManagerPatience);

        QVERIFY(click(hub, "lblSubmit"));
        frmSubmit *notice = slot<frmSubmit>();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), notice->window(), WindowManagerPatience);
        openActive<frmCountry>();
        QVERIFY(click(*slot<frmCountry>(), "lblSubmit"));
        QCOMPARE(slot<frmSubmit>(), notice);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), notice->window(), WindowManagerPatience);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    RealDirectoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_real_directory.moc"
