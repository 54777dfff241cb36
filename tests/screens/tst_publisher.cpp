// The publisher's screens as a user meets them: the About box and the pager it opens, the upgrade
// notice, and the Halvena promotion with its two screenshots. Their windows, close controls, close
// boxes and Escape are covered with every other screen's.

#include "Application.h"
#include "DirectoryNames.h"
#include "LineControl.h"
#include "PictureBoxControl.h"
#include "ScreenTest.h"
#include "menu/frmYoga.h"
#include "publisher/frmAbout.h"
#include "publisher/frmDisclaimer.h"
#include "publisher/frmHalvena.h"
#include "publisher/frmHalvenaScreen.h"
#include "publisher/frmHerbsScreen.h"
#include "publisher/frmUpgrade.h"

#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

using namespace vireka;
using namespace vireka::test;

namespace {

QString caption(Screen &screen, const char *label) { return screen.control<LabelControl>(label).caption(); }
QString text(Screen &screen, const char *box) { return screen.control<QTextEdit>(box).toPlainText(); }
QString latin1(const char *text) { return QString::fromLatin1(text); }

// The pager reads its pages from the current directory, which the main menu made the program folder.
frmDisclaimer &openPager()
{
    OpenScreen<frmYoga>();
    return OpenScreen<frmDisclaimer>();
}

DocumentArea &pagerArea(frmDisclaimer &pager) { return pager.control<DocumentArea>("rtfDisclaimer"); }

// How a text box shows stored text: CR LF as line breaks.
QString asShown(const std::string &stored)
{
    return QString::fromStdString(stored).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

class PublisherTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void aboutBoxNamesThePublisherFromItsRecord()
    {
        frmAbout &about = OpenScreen<frmAbout>();
        const QString phone = latin1(directory::publisherPhone);
        QCOMPARE(caption(about, "lblPhoneNr"), QStringLiteral("Phone/ Fax:") + phone + QStringLiteral("  "));
        QCOMPARE(caption(about, "Label1"), QStringLiteral("E-Mail:    ") + latin1(directory::publisherEmail));
        QCOMPARE(caption(about, "Label4"), QStringLiteral("Web:       ") + latin1(directory::publisherWeb));
        QCOMPARE(caption(about, "Label2"), latin1(directory::publisherAddress));
        const auto &address = about.control<LabelControl>("Label2");
        QVERIFY2(QFontMetrics(address.font()).horizontalAdvance(address.caption()) <= address.width(),
                 "the address fits on its one line");
        QCOMPARE(caption(about, "lblCompany"), QStringLiteral("MorvaneZuvovuroda"));
        QCOMPARE(caption(about, "lblAppName"), QStringLiteral("VIREKA"));
        for (const char *notice : {"lblCopyright", "lblComments"})
            QVERIFY(caption(about, notice).contains(QLatin1String("1999")));
        QVERIFY(caption(about, "lblComments").contains(latin1(directory::publisherName)));
    }

    void aboutBoxLogoAndEtchedSeparator()
    {
        frmAbout &about = OpenScreen<frmAbout>();
        QCOMPARE(about.control<QWidget>("imgLogo").geometry(), QRect(8, 48, 49, 49));
        const ScreenProbe probe(about.client());
        QVERIFY(probe.at(30, 72) != probe.at(2, 2)); // the logo is drawn
        // The grey line lies over the wider white one, which shows beside it only; the grey one
        // starts a pixel further left.
        QCOMPARE(probe.at(200, 216), QColor(128, 128, 128));
        QCOMPARE(probe.at(200, 215), QColor(255, 255, 255));
        QCOMPARE(probe.at(6, 216), QColor(128, 128, 128));
        QVERIFY(probe.at(6, 215) != QColor(255, 255, 255));
        QCOMPARE(about.control<LineControl>("Line1(2)").ends(), QLine(64, 48, 352, 48));
        QCOMPARE(probe.at(200, 48), QColor(255, 0, 0));
        QCOMPARE(probe.at(200, 184), QColor(255, 0, 0));
    }

    void aboutBoxOkUnloadsButKeepsTheSlot()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, "lblAbout"));
        frmAbout *about = slot<frmAbout>();
        QVERIFY(about && about->isLoaded());
        QApplication::setActiveWindow(about->window());
        QCOMPARE(QApplication::focusWidget(), &about->control<QWidget>("cmdOK"));
        QTest::keyClick(keyTarget(*about), Qt::Key_Return);
        QCOMPARE(slot<frmAbout>(), about);
        QVERIFY(!about->isLoaded());
        ShellFixture::flushDeletes();
        QVERIFY(click(menu, "lblAbout"));
        QCOMPARE(slot<frmAbout>(), about);
        QVERIFY(about->isLoaded());
        QCOMPARE(caption(*about, "lblAppName"), QStringLiteral("VIREKA"));
        QVERIFY(click(menu, "lblAbout")); // twice: still the one box
        QCOMPARE(shell::loadedScreenCount(), 2);
    }

    // Escape presses OK wherever the focus is, closing only the About box; the pager it opened stays.
    void aboutBoxEscapeLeavesTheMenuAndThePager()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, "lblAbout"));
        frmAbout &about = *slot<frmAbout>();
        QVERIFY(click(about, "cmdDisclaimer"));
        QVERIFY(slot<frmDisclaimer>() && slot<frmDisclaimer>()->isLoaded());
        QVERIFY(about.isLoaded());
        about.control<QWidget>("cmdDisclaimer").setFocus();
        QTest::keyClick(&about.control<QWidget>("cmdDisclaimer"), Qt::Key_Escape);
        QVERIFY(!about.isLoaded());
        QCOMPARE(fixture.endings, 0);
        QVERIFY(menu.isLoaded());
        QVERIFY(slot<frmDisclaimer>()->window()->isVisible());
        QVERIFY(click(*slot<frmDisclaimer>(), "mnuClose"));
        QVERIFY(!slot<frmDisclaimer>());
        QVERIFY(menu.isLoaded());
    }

    void pagerMenuBarHoldsThreeCommandsWithoutLists()
    {
        frmDisclaimer &pager = OpenScreen<frmDisclaimer>();
        QStringList captions;
        for (QAction *command : pager.menuBar()->actions()) {
            captions << command->text();
            QVERIFY(!command->menu());
        }
        QCOMPARE(captions, (QStringList{"NextPage", "Back", "Close"}));
    }

    // Each command empties the area and loads its own page from the top, whatever was shown.
    void pagerCommandsShowTheirPageFromTheTop_data()
    {
        QTest::addColumn<bool>("pageTwoShips");
        QTest::newRow("both pages") << true;
        QTest::newRow("without CopyLiab.rtf") << false;
    }
    void pagerCommandsShowTheirPageFromTheTop()
    {
        QFETCH(bool, pageTwoShips);
        fixture.writeFile("Disclaim.rtf", longRtf("Page one"));
        if (pageTwoShips)
            fixture.writeFile("CopyLiab.rtf", longRtf("Page two"));
        frmDisclaimer &pager = openPager();
        DocumentArea &area = pagerArea(pager);
        QScrollBar *bar = area.verticalScrollBar();
        QVERIFY(area.toPlainText().startsWith(QLatin1String("Page one")));
        QCOMPARE(bar->value(), 0);
        const QString pageTwo = pageTwoShips ? QStringLiteral("Page two") : QString();
        for (int time = 0; time < 2; ++time) {
            bar->setValue(bar->maximum());
            QVERIFY(click(pager, "mnuNextPage"));
            QCOMPARE(area.toPlainText().left(pageTwo.size()), pageTwo);
            QCOMPARE(area.toPlainText().isEmpty(), !pageTwoShips);
            QCOMPARE(bar->value(), 0);
        }
        bar->setValue(bar->maximum());
        QVERIFY(click(pager, "mnuBack"));
        QVERIFY(area.toPlainText().startsWith(QLatin1String("Page one")));
        QCOMPARE(bar->value(), 0);
        QVERIFY(fixture.messages.isEmpty());
    }

    void pagerWithoutPageOneStartsEmpty()
    {
        fixture.writeFile("CopyLiab.rtf", rtf("Page two"));
        frmDisclaimer &pager = openPager();
        QVERIFY(pagerArea(pager).toPlainText().isEmpty());
        QVERIFY(click(pager, "mnuNextPage"));
        QVERIFY(click(pager, "mnuBack"));
        QVERIFY(pagerArea(pager).toPlainText().isEmpty());
    }

    // The area fills the client area exactly, so the last line of a long page and the scroll bar's
    // lower end can be brought into view.
    void pagerLastLineCanBeScrolledIntoView()
    {
        fixture.writeFile("Disclaim.rtf", longRtf("Page one", 300));
        frmDisclaimer &pager = openPager();
        DocumentArea &area = pagerArea(pager);
        QCOMPARE(area.geometry(), pager.client()->rect());
        QVERIFY(area.verticalScrollBar()->isVisible() || area.verticalScrollBar()->maximum() > 0);
        const QRect bar = area.verticalScrollBar()->geometry().translated(area.geometry().topLeft());
        QVERIFY(pager.client()->rect().contains(bar));
        area.verticalScrollBar()->setValue(area.verticalScrollBar()->maximum());
        QTextCursor end(area.document());
        end.movePosition(QTextCursor::End);
        end.movePosition(QTextCursor::StartOfBlock);
        while (end.block().text().trimmed().isEmpty() && end.movePosition(QTextCursor::PreviousBlock)) {
        }
        QCOMPARE(end.block().text(), QStringLiteral("Line 299 of a long document."));
        QVERIFY(area.viewport()->rect().contains(area.cursorRect(end)));
    }

    void upgradeNoticeIsTheStoredText()
    {
        const QString email = latin1(directory::publisherEmail);
        const QString expected = QStringLiteral("This program will be upgraded from time \r\n"
                                                "to time. \r\n"
                                                "          You may want to register for \r\n"
                                                "  upgrade announcements by sending a \r\n"
                                                "                          note to:\r\n") +
                                 QString(14, QLatin1Char(' ')) + email + QStringLiteral("\r\n") +
                                 QString(18, QLatin1Char(' ')) + QStringLiteral("Morvane Zuvovuroda\r\n");
        QCOMPARE(QString::fromStdString(frmUpgrade::Notice), expected);
        frmUpgrade &notice = OpenScreen<frmUpgrade>();
        QCOMPARE(text(notice, "Text1"), asShown(frmUpgrade::Notice));
    }

    // Text boxes may be edited, but nothing keeps an edit: the next opening shows the stored text.
    void editsAreGoneAfterReopening_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("upgrade notice, close box") << "frmUpgrade";
        QTest::newRow("promotion, EXIT") << "frmHalvena";
    }
    void editsAreGoneAfterReopening()
    {
        QFETCH(QString, screen);
        const bool upgrade = screen == QLatin1String("frmUpgrade");
        Screen &first = upgrade ? static_cast<Screen &>(OpenScreen<frmUpgrade>()) : OpenScreen<frmHalvena>();
        auto &box = first.control<QTextEdit>("Text1");
        QVERIFY(!box.isReadOnly());
        box.setFocus();
        QTest::keyClicks(&box, "typed over");
        QVERIFY(box.toPlainText().contains(QLatin1String("typed over")));
        OpenScreen<frmYoga>(); // keeps the program going
        if (upgrade)
            QVERIFY(first.window()->close());
        else
            QVERIFY(click(first, "lblExit"));
        ShellFixture::flushDeletes();
        Screen &again = upgrade ? static_cast<Screen &>(OpenScreen<frmUpgrade>()) : OpenScreen<frmHalvena>();
        QCOMPARE(text(again, "Text1"), asShown(upgrade ? frmUpgrade::Notice : frmHalvena::ProductText));
    }

    void productTextRunsInItsOrder()
    {
        const QString product = QString::fromStdString(frmHalvena::ProductText);
        QVERIFY(product.endsWith(QLatin1String("\r\n")));
        QCOMPARE(product.count(QLatin1String("\r\n")), 64);
        QCOMPARE(product.count(QLatin1Char('\n')), 64);
        QVERIFY(qAbs(product.size() - 1669) < 50);
        for (const QString &line : product.split(QLatin1String("\r\n")))
            QVERIFY2(line.trimmed().size() > 0 || line.isEmpty() || line == QLatin1String(" "), qPrintable(line));
        const QStringList inOrder = {
            QStringLiteral("herbs"),
            QStringLiteral("neurotransmitters"),
            QStringLiteral("diagnosis"),
            QStringLiteral("Full version adds"),
            QStringLiteral("upgrades free of charge"),
            latin1(directory::priceHalvenaFull),
            latin1(directory::halvenaWeb),
            QStringLiteral("*****"),
            QStringLiteral("Further Ordering Information:"),
            latin1(directory::priceHalvenaFull),
            latin1(directory::shippingCanada),
            latin1(directory::publisherPhone),
            latin1(directory::publisherPostBox),
            QStringLiteral("order form"),
            latin1(directory::publisherPayment),
            latin1(directory::publisherWeb),
            latin1(directory::publisherEmail),
        };
        qsizetype from = 0;
        for (const QString &part : inOrder) {
            const qsizetype at = product.indexOf(part, from);
            QVERIFY2(at >= 0, qPrintable(part));
            from = at + part.size();
        }
    }

    void orderLinkOnlyShowsTheMessage()
    {
        frmHalvena &promotion = OpenScreen<frmHalvena>();
        const QString before = text(promotion, "Text1");
        QVERIFY(click(promotion, "lblOrder"));
        QCOMPARE(fixture.messages,
                 QStringList{QStringLiteral("For more information on how to order or download the free Trial "
                                            "version, please, go to our Web-site at: ") +
                             latin1(directory::halvenaWeb)});
        QCOMPARE(fixture.captions, QStringList{QStringLiteral("Vireka")});
        QCOMPARE(text(promotion, "Text1"), before);
        QCOMPARE(shell::loadedScreenCount(), 1);
        QCOMPARE(caption(promotion, "lblOrder"), QStringLiteral("  Download   or Order"));
    }

    // Each link opens its screenshot maximised, the picture at full size from the top left on light
    // yellow; a second click brings back the same screen, and both stay when the promotion closes.
    void screenshotScreens_data()
    {
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QSize>("box");
        QTest::newRow("Halvena") << QByteArray("lblHalvenaScreen") << "frmHalvenaScreen" << QSize(641, 481);
        QTest::newRow("herbs") << QByteArray("lblHerbalScreen") << "frmHerbsScreen" << QSize(633, 436);
    }
    void screenshotScreens()
    {
        QFETCH(QByteArray, link);
        QFETCH(QString, screen);
        QFETCH(QSize, box);
        frmHalvena &promotion = OpenScreen<frmHalvena>();
        QVERIFY(click(promotion, link.constData()));
        Screen *shot = screen == QLatin1String("frmHalvenaScreen") ? static_cast<Screen *>(slot<frmHalvenaScreen>())
                                                                   : slot<frmHerbsScreen>();
        QVERIFY(shot && shot->isLoaded());
        QVERIFY(shot->window()->isMaximized());
        auto &picture = shot->control<PictureBoxControl>("Picture1");
        QCOMPARE(picture.geometry(), QRect(QPoint(0, 0), box));
        QCOMPARE(picture.picture().size(), box - QSize(4, 4));
        QTRY_VERIFY(shot->client()->width() > box.width());
        const ScreenProbe probe(shot->client());
        QCOMPARE(probe.at(box.width() + 5, 5), QColor(255, 255, 192));
        QCOMPARE(probe.at(2 + 10, 2 + 10), picture.picture().pixelColor(10, 10));

        QVERIFY(click(promotion, link.constData()));
        QCOMPARE(shell::loadedScreenCount(), 2);
        QVERIFY(click(promotion, "lblExit"));
        QVERIFY(!slot<frmHalvena>());
        QVERIFY(shot->isLoaded() && shot->window()->isVisible());
        QCOMPARE(fixture.endings, 0);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    PublisherTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_publisher.moc"
