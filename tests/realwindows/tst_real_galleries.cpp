// The galleries on real windows: where the keyboard focus is when a page opens, and which window is in
// front after the photo listings browser opens a page or shows one that is open already.

#include "AllScreens.h"
#include "Application.h"
#include "DirectoryNames.h"
#include "ListBoxControl.h"
#include "ScreenTest.h"
#include "galleries/frmPhotoListings.h"

#include <string_view>

using namespace vireka;
using namespace vireka::test;

namespace {

Screen &openActive(const char *name)
{
    Screen &screen = screenClass(name)->open();
    if (!QTest::qWaitForWindowActive(screen.window()))
        qWarning("the window did not become active");
    return screen;
}

int listingRow(const char *page)
{
    for (int i = 0; i < int(std::size(directory::featuredListings)); ++i)
        if (std::string_view(directory::featuredListings[i].page) == page)
            return i;
    return -1;
}

void choose(frmPhotoListings &browser, const char *page)
{
    auto &list = browser.control<ListBoxControl>("lstPhotoListings");
    QListWidgetItem *entry = list.item(listingRow(page));
    list.scrollToItem(entry);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(entry).center());
}

} // namespace

class RealGalleriesTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    // The control with the lowest tab index that takes the focus has it when the page opens.
    void aPageOpensWithTheFocusWhereItsTableSays_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        QTest::newRow("frmKundaliniPose") << "frmKundaliniPose" << "RichTextBox1";
        QTest::newRow("frmSirsasana") << "frmSirsasana" << "RichTextBox1";
        QTest::newRow("frmZovazir1") << "frmZovazir1" << "cmdClose";
        QTest::newRow("frmZovazir2") << "frmZovazir2" << "cmdClose";
        QTest::newRow("zavOdudo") << "zavOdudo" << "cmdClose";
        QTest::newRow("frmCentre1") << "frmCentre1" << "Picture1";
        QTest::newRow("frmCentre2") << "frmCentre2" << "rtfCentre2";
        QTest::newRow("frmCentre5") << "frmCentre5" << "rftCentre5";
        QTest::newRow("frmCentre9") << "frmCentre9" << "rtfCentre9";
    }
    void aPageOpensWithTheFocusWhereItsTableSays()
    {
        QFETCH(QString, page);
        QFETCH(QString, control);
        const QByteArray pageName = page.toLatin1(), controlName = control.toLatin1();
        Screen &screen = openActive(pageName.constData());
        QCOMPARE(QApplication::focusWidget(), &screen.control<QWidget>(controlName.constData()));
    }

    // On a fresh list, which took the focus when its screen opened, the first key chooses as a list
    // box does, and the next Down chooses the entry after that one.
    void aFreshListChoosesOnEveryNavigationKey_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("chosen");
        const QString asanas = "frmPhotoAsanas", listings = "frmPhotoListings";
        QTest::newRow("asanas: Down") << asanas << "lstAsanas" << int(Qt::Key_Down) << "" << 0;
        QTest::newRow("asanas: Up") << asanas << "lstAsanas" << int(Qt::Key_Up) << "" << 0;
        QTest::newRow("asanas: Home") << asanas << "lstAsanas" << int(Qt::Key_Home) << "" << 0;
        QTest::newRow("asanas: Page Up") << asanas << "lstAsanas" << int(Qt::Key_PageUp) << "" << 0;
        QTest::newRow("asanas: End") << asanas << "lstAsanas" << int(Qt::Key_End) << "" << 23;
        QTest::newRow("asanas: Page Down") << asanas << "lstAsanas" << int(Qt::Key_PageDown) << "" << 23;
        QTest::newRow("asanas: B, the first entry's letter") << asanas << "lstAsanas" << int(Qt::Key_B) << "b" << 0;
        QTest::newRow("asanas: K") << asanas << "lstAsanas" << int(Qt::Key_K) << "k" << 6;
        QTest::newRow("listings: Home") << listings << "lstPhotoListings" << int(Qt::Key_Home) << "" << 0;
        QTest::newRow("listings: End") << listings << "lstPhotoListings" << int(Qt::Key_End) << "" << 13;
        QTest::newRow("listings: Down") << listings << "lstPhotoListings" << int(Qt::Key_Down) << "" << 0;
    }
    void aFreshListChoosesOnEveryNavigationKey()
    {
        QFETCH(QString, screen);
        QFETCH(QString, list);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, chosen);
        const QByteArray screenName = screen.toLatin1(), listName = list.toLatin1();
        auto &entries = openActive(screenName.constData()).control<ListBoxControl>(listName.constData());
        QCOMPARE(QApplication::focusWidget(), &entries);
        QTest::sendKeyEvent(QTest::Click, &entries, Qt::Key(key), text, {});
        QCOMPARE(entries.selectedItems(), QList<QListWidgetItem *>{entries.item(chosen)});
        QTest::keyClick(&entries, Qt::Key_Down);
        QCOMPARE(entries.selectedItems(), QList<QListWidgetItem *>{entries.item(qMin(chosen + 1, entries.count() - 1))});
    }

    void enterClosesTheSchoolsFirstPageAtOnce()
    {
        openActive("frmPhotoListings");
        openActive("frmZovazir1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!screenClass("frmZovazir1")->instance());
        QCOMPARE(fixture.endings, 0);
    }

    void choosingAnOpenPageAgainBringsItToTheFront()
    {
        auto &browser = static_cast<frmPhotoListings &>(openActive("frmPhotoListings"));
        choose(browser, "frmSirsasana");
        Screen *sirsasana = screenClass("frmSirsasana")->instance();
        QVERIFY(sirsasana && QTest::qWaitForWindowExposed(sirsasana->window()));
        choose(browser, "frmCentre6");
        Screen *centre = screenClass("frmCentre6")->instance();
        QVERIFY(centre && QTest::qWaitForWindowExposed(centre->window()));
        browser.bringToFront();
        QTRY_COMPARE(QApplication::activeWindow(), browser.window());

        choose(browser, "frmSirsasana");
        QTRY_COMPARE(QApplication::activeWindow(), sirsasana->window());
        QCOMPARE(screenClass("frmSirsasana")->instance(), sirsasana);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    RealGalleriesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_real_galleries.moc"
