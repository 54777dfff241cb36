// What only real windows show, on an X screen with a window manager: where the keyboard focus goes
// after clicks and Tab, which window is active, and where frames and client areas are placed.

#include "Application.h"
#include "ImageControl.h"
#include "ListBoxControl.h"
#include "ScreenTest.h"
#include "Units.h"
#include "galleries/frmPhotoAsanas.h"
#include "menu/frmYoga.h"
#include "publisher/frmAbout.h"
#include "publisher/frmDisclaimer.h"
#include "publisher/frmUpgrade.h"
#include "study/frmTesmara.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>

using namespace vireka;
using namespace vireka::test;

namespace {

const ControlSpec tabLayout[] = {
    {.name = "lblLabel", .caption = "label", .left = 0, .top = 0, .width = 1500, .height = 300, .tabIndex = 0},
    {.name = "lstList", .kind = ControlKind::ListBox, .left = 0, .top = 450, .width = 1500, .height = 900,
     .tabIndex = 3},
    {.name = "Text1", .kind = ControlKind::TextBox, .left = 1650, .top = 450, .width = 1500, .height = 900,
     .tabIndex = 1},
    {.name = "cmdGo", .kind = ControlKind::CommandButton, .caption = "Go", .left = 0, .top = 1500, .width = 1200,
     .height = 400, .isDefault = true, .tabIndex = 2},
    {.name = "rtfText", .kind = ControlKind::DocumentArea, .left = 1650, .top = 1500, .width = 1500,
     .height = 900, .tabIndex = 4},
};
const ScreenSpec tabSpec{.caption = "Tabs", .clientWidth = 4500, .clientHeight = 3000, .controls = tabLayout};

const ControlSpec menuLayout[] = {
    {.name = "mnuNext", .kind = ControlKind::Menu, .caption = "NextPage"},
    {.name = "lblLabel", .caption = "label", .left = 0, .top = 0, .width = 1500, .height = 300},
};
const ScreenSpec manualSpec{.caption = "Manual", .clientWidth = 5730,
                            .clientHeight = 3990, .border = Border::FixedDialog,
                            .buttons = TitleButtons::CloseOnly, .placement = Placement::Manual,
                            .clientLeft = 2340, .clientTop = 1935, .showInTaskbar = false, .controls = tabLayout};
const ScreenSpec manualMenuSpec{.caption = "Manual with a menu", .clientWidth = 7770,
                                .clientHeight = 3765, .border = Border::FixedSingle,
                                .buttons = TitleButtons::None, .placement = Placement::Manual,
                                .clientLeft = 750, .clientTop = 720, .controls = menuLayout};
const ScreenSpec centredSpec{.caption = "Centred", .clientWidth = 6000, .clientHeight = 4500, .controls = tabLayout};

} // namespace

class TestTabs : public Screen {
    Q_OBJECT
public:
    TestTabs() : Screen(tabSpec) {}
    int presses = 0;
private slots:
    void cmdGo_Click() { ++presses; }
};

class TestManual : public Screen {
    Q_OBJECT
public:
    TestManual() : Screen(manualSpec) {}
};

class TestManualMenu : public Screen {
    Q_OBJECT
public:
    TestManualMenu() : Screen(manualMenuSpec) {}
};

class TestCentred : public Screen {
    Q_OBJECT
public:
    TestCentred() : Screen(centredSpec) {}
};

namespace {

QWidget *focused() { return QApplication::focusWidget(); }

} // namespace

class RealWindowsTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void clickingLabelsPicturesOrBackgroundLeavesTheFocus()
    {
        fixture.writeFile("YogaDef.rtf", longRtf("Definitions"));
        frmYoga &menu = openActive<frmYoga>();
        auto *area = &menu.control<DocumentArea>("rtfYoga");
        QCOMPARE(focused(), area);
        QVERIFY(click(menu, "lblTraditions"));
        QTest::mouseClick(&menu.control<ImageControl>("Image1"), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(menu.client(), Qt::LeftButton, {}, QPoint(700, 420));
        QCOMPARE(focused(), area);
        press(Qt::Key_PageDown);
        QVERIFY(area->verticalScrollBar()->value() > 0);
    }

    void tabVisitsOnlyControlsThatTakeTheFocusInTabOrder()
    {
        TestTabs &screen = openActive<TestTabs>();
        const QList<QWidget *> order = {&screen.control<QTextEdit>("Text1"), &screen.control<QPushButton>("cmdGo"),
                                        &screen.control<ListBoxControl>("lstList"),
                                        &screen.control<DocumentArea>("rtfText")};
        QCOMPARE(focused(), order[0]);
        for (int i = 1; i <= order.size(); ++i) {
            press(Qt::Key_Tab);
            QCOMPARE(focused(), order[i % order.size()]);
        }
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), order.last());
    }

    void aScreenWithOneFocusableControlKeepsItOnTab()
    {
        frmYoga &menu = openActive<frmYoga>();
        press(Qt::Key_Tab);
        QCOMPARE(focused(), &menu.control<DocumentArea>("rtfYoga"));
        frmPhotoAsanas &asanas = openActive<frmPhotoAsanas>();
        press(Qt::Key_Tab);
        QCOMPARE(focused(), &asanas.control<ListBoxControl>("lstAsanas"));
        // An editable text box alone takes neither key as a character.
        auto &notice = openActive<frmUpgrade>().control<QTextEdit>("Text1");
        const QString text = notice.toPlainText();
        press(Qt::Key_Tab);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), &notice);
        QCOMPARE(notice.toPlainText(), text);
    }

    void eachKeyPressReachesTheScreenOnce()
    {
        TestTabs &screen = openActive<TestTabs>();
        screen.control<DocumentArea>("rtfText").setFocus();
        press(Qt::Key_Return);
        QCOMPARE(screen.presses, 1);
    }

    void openingActivatesAndBringsToTheFront()
    {
        openActive<frmYoga>();
        TestTabs &tabs = openActive<TestTabs>();
        QCOMPARE(QApplication::activeWindow(), tabs.window());
        OpenScreen<frmYoga>();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), slot<frmYoga>()->window(), WindowManagerPatience);
    }

    void aManualPositionIsTheClientAreasCorner()
    {
        TestManual &dialog = openActive<TestManual>();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.window()->frameGeometry() != dialog.window()->geometry(), WindowManagerPatience);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.client()->mapToGlobal(QPoint(0, 0)), QPoint(156, 129), WindowManagerPatience);
        TestManualMenu &pager = openActive<TestManualMenu>();
        QTRY_COMPARE_WITH_TIMEOUT(pager.client()->mapToGlobal(QPoint(0, 0)), QPoint(50, 48), WindowManagerPatience);
        QVERIFY(pager.menuBar()->mapToGlobal(QPoint(0, 0)).y() < 48);
    }

    // The About box's client corner at (2340, 1935) twips, the pager's at (750, 720) below its menu
    // bar; the pager holds the focus in its area, so the keyboard scrolls the page.
    void aboutBoxAndPagerSitAtTheirPlaces()
    {
        fixture.writeFile("Disclaim.rtf", longRtf("Page one"));
        openActive<frmYoga>();
        frmAbout &about = openActive<frmAbout>();
        QTRY_COMPARE_WITH_TIMEOUT(about.client()->mapToGlobal(QPoint(0, 0)), QPoint(156, 129), WindowManagerPatience);
        QCOMPARE(focused(), &about.control<QPushButton>("cmdOK"));
        QVERIFY(click(about, "cmdDisclaimer"));
        frmDisclaimer &pager = *slot<frmDisclaimer>();
        QVERIFY(QTest::qWaitForWindowActive(pager.window()));
        QTRY_COMPARE_WITH_TIMEOUT(pager.client()->mapToGlobal(QPoint(0, 0)), QPoint(50, 48), WindowManagerPatience);
        QVERIFY(pager.menuBar()->mapToGlobal(QPoint(0, 0)).y() < 48);
        QCOMPARE(pager.client()->size(), QSize(518, 251));
        auto *area = &pager.control<DocumentArea>("rtfDisclaimer");
        QCOMPARE(focused(), area);
        press(Qt::Key_End, Qt::ControlModifier);
        QVERIFY(area->verticalScrollBar()->value() > 0);
        // The page's end is in view, inside the window.
        QVERIFY(area->viewport()->rect().contains(area->cursorRect()));
        const QRect client(pager.client()->mapToGlobal(QPoint(0, 0)), pager.client()->size());
        QVERIFY(client.contains(QRect(area->viewport()->mapToGlobal(QPoint(0, 0)), area->viewport()->size())));
    }

    // EXIT holds the focus when the book sampler opens: Enter closes it at once.
    void enterRightAfterOpeningTheBookSamplerClosesIt()
    {
        openActive<frmYoga>();
        frmTesmara &sampler = openActive<frmTesmara>();
        QCOMPARE(focused(), &sampler.control<QPushButton>("cmdClose"));
        press(Qt::Key_Return);
        QVERIFY(!slot<frmTesmara>());
        QCOMPARE(fixture.endings, 0);
    }

    void aCentredScreenCentresItsWholeWindow()
    {
        openActive<frmYoga>(); // a first window, so that the frame is known beforehand
        TestCentred &screen = openActive<TestCentred>();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QTRY_VERIFY_WITH_TIMEOUT(screen.window()->frameGeometry() != screen.window()->geometry(), WindowManagerPatience);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(screen.window()->frameGeometry().center().x() - available.center().x()) <= 1, WindowManagerPatience);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(screen.window()->frameGeometry().center().y() - available.center().y()) <= 1, WindowManagerPatience);
        QCOMPARE(screen.client()->size(), QSize(400, 300));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    RealWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_real_windows.moc"
