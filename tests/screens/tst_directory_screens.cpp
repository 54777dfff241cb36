// The directory as a user meets it: the hub, the listings by country and by tradition with their
// irregular file names, the hand-overs between screens, and the submit notice. EXIT, close box,
// reopening, Escape and each link's missing and non-RTF file are covered with every other screen's;
// the hub's pointer and the focus are tested in real windows.

#include "AllScreens.h"
#include "Application.h"
#include "DirectoryNames.h"
#include "ScreenTest.h"
#include "directory/frmCountry.h"
#include "directory/frmDirectory.h"
#include "directory/frmSubmit.h"
#include "directory/frmTradition.h"
#include "menu/frmYoga.h"

#include <QTextEdit>

using namespace vireka;
using namespace vireka::test;
using namespace vireka::test::shades;

namespace {

Screen &open(const QString &name) { return screenNamed(name).open(); }

QTextEdit &notice(frmSubmit &screen) { return screen.control<QTextEdit>("Text1"); }

} // namespace

class DirectoryScreensTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void menuOpensTheHub()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, "lblDirectory"));
        frmDirectory *hub = slot<frmDirectory>();
        QVERIFY(hub && hub->window()->isVisible());
        QVERIFY(click(menu, "lblDirectory"));
        QCOMPARE(slot<frmDirectory>(), hub);
        QCOMPARE(shell::loadedScreenCount(), 2);
    }

    void controlsStandWhereTheTablesPutThem_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("pixels");
        const struct {
            const char *screen, *control;
            QRect pixels;
        } rows[] = {
            {"frmDirectory", "Image1", {0, 16, 117, 179}},
            {"frmDirectory", "Label2", {152, 64, 353, 49}},
            {"frmDirectory", "lblExit", {464, 168, 65, 25}},
            {"frmCountry", "Image1", {0, -8, 161, 105}},
            {"frmCountry", "rtfDirectory", {176, 48, 409, 241}},
            {"frmCountry", "lblUSA", {88, 232, 73, 25}},
            {"frmCountry", "lblSubmit", {8, 264, 73, 25}},
            {"frmTradition", "Label3", {200, 40, 201, 33}},
            {"frmTradition", "rtfTradition", {320, 80, 273, 233}},
            {"frmTradition", "lblTri", {8, 296, 105, 17}},
            {"frmTradition", "Label1", {128, 296, 89, 17}},
            {"frmTradition", "lblZen", {224, 176, 89, 17}},
            {"frmTradition", "lblSubmit", {224, 200, 89, 41}},
            {"frmTradition", "lblCountry", {224, 248, 89, 33}},
            {"frmSubmit", "Text1", {8, 8, 281, 217}},
        };
        for (const auto &row : rows)
            QTest::addRow("%s %s", row.screen, row.control)
                << QString::fromLatin1(row.screen) << QString::fromLatin1(row.control) << row.pixels;
    }
    void controlsStandWhereTheTablesPutThem()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QRect, pixels);
        QCOMPARE(open(screen).control<QWidget>(control.toLatin1().constData()).geometry(), pixels);
    }

    // Captions that look like slips but are as the screens show them.
    void captionsAsWritten_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("hub description") << "frmDirectory" << "Label2"
                                         << "Your Guide to Yoga Centers, Classes, Teachers, Certificates,"
                                            "            Programs, Retreats, and Yoga Associations."
                                            "              Sorted by Country and Yoga Tradition.";
        QTest::newRow("hub tradition link") << "frmDirectory" << "Tradition" << "YOGA TRADITION";
        QTest::newRow("hub submit") << "frmDirectory" << "lblSubmit" << "Submit your listing";
        QTest::newRow("country submit") << "frmCountry" << "lblSubmit" << "SubmitLink";
        QTest::newRow("tradition submit") << "frmTradition" << "lblSubmit" << "Submit your listing";
        QTest::newRow("tradition heading") << "frmTradition" << "Label2" << "YOGA STYLE - YOGA TRADITION";
        QTest::newRow("hand-over") << "frmTradition" << "lblCountry" << "Find Country of Center";
    }
    void captionsAsWritten()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QCOMPARE(open(screen).control<LabelControl>(control.toLatin1().constData()).caption(), caption);
    }

    void colours_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("ink"); // a colour some pixel inside must have; invalid: none
        QTest::newRow("hub background") << "frmDirectory" << QRect(140, 40, 10, 20) << LightCyan << QColor();
        QTest::newRow("hub heading") << "frmDirectory" << QRect(120, 0, 423, 25) << QColor() << Navy;
        QTest::newRow("hub submit") << "frmDirectory" << QRect(241, 33, 151, 23) << Blue << White;
        QTest::newRow("hub exit") << "frmDirectory" << QRect(465, 169, 63, 23) << Blue << Red;
        QTest::newRow("country background") << "frmCountry" << QRect(590, 100, 3, 100) << Olive << QColor();
        QTest::newRow("country empty area") << "frmCountry" << QRect(300, 150, 50, 50) << Blue << QColor();
        QTest::newRow("country link") << "frmCountry" << QRect(9, 105, 71, 23) << Navy << White;
        QTest::newRow("country exit") << "frmCountry" << QRect(89, 265, 71, 23) << Blue << Red;
        QTest::newRow("tradition background") << "frmTradition" << QRect(2, 320, 100, 2) << Olive << QColor();
        QTest::newRow("tradition empty area") << "frmTradition" << QRect(400, 150, 50, 50) << Navy << QColor();
        QTest::newRow("tradition link") << "frmTradition" << QRect(9, 81, 103, 15) << Navy << White;
        QTest::newRow("tradition hand-over") << "frmTradition" << QRect(225, 249, 87, 31) << Navy << Red;
        QTest::newRow("tradition exit") << "frmTradition" << QRect(225, 289, 87, 23) << Blue << Red;
        QTest::newRow("tradition hint") << "frmTradition" << QRect(200, 40, 201, 33) << QColor() << Black;
        QTest::newRow("notice frame") << "frmSubmit" << QRect(0, 0, 298, 8) << Black << QColor();
        QTest::newRow("notice text") << "frmSubmit" << QRect(12, 12, 260, 200) << QColor() << White;
    }
    void colours()
    {
        QFETCH(QString, screen);
        QFETCH(QRect, area);
        QFETCH(QColor, back);
        QFETCH(QColor, ink);
        const ScreenProbe probe(open(screen).client());
        if (back.isValid()) {
            QCOMPARE(probe.at(area.left() + 1, area.top() + 1), back);
            QCOMPARE(probe.at(area.right() - 1, area.bottom() - 1), back);
        }
        if (ink.isValid())
            QVERIFY(probe.contains(area, ink));
    }

    // The picture begins above the client area: its top rows are cut off, not moved down.
    void countryPictureIsCutOffAtTheTop()
    {
        frmCountry &screen = OpenScreen<frmCountry>();
        const ScreenProbe probe(screen.client());
        QVERIFY(probe.at(80, 0) != Olive);
        QVERIFY(probe.at(80, 96) != Olive);
        QCOMPARE(probe.at(80, 98), Olive);
    }

    void hubDescriptionPutsEachSentenceOnALineOfItsOwn()
    {
        frmDirectory &hub = OpenScreen<frmDirectory>();
        auto &label = hub.control<LabelControl>("Label2");
        const QImage shot = label.grab().toImage();
        // The bands of pixel rows that hold text, with how wide the text in each is.
        QList<int> widths;
        bool inText = false;
        for (int y = 0; y < shot.height(); ++y) {
            int left = shot.width(), right = -1;
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) != LightCyan) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            if (right >= 0 && !inText)
                widths << 0;
            if (right >= 0)
                widths.last() = std::max(widths.last(), right - left + 1);
            inText = right >= 0;
        }
        QCOMPARE(widths.size(), 3);
        const QFontMetrics metrics(label.font());
        const char *const sentences[] = {"Your Guide to Yoga Centers, Classes, Teachers, Certificates,",
                                         "Programs, Retreats, and Yoga Associations.",
                                         "Sorted by Country and Yoga Tradition."};
        // Within a dozen pixels: far less than the "Sorted by " that a wrong break moves between lines.
        for (int line = 0; line < 3; ++line)
            QVERIFY2(qAbs(widths[line] - metrics.horizontalAdvance(QString::fromLatin1(sentences[line]))) <= 12,
                     sentences[line]);
    }

    void hubExitLeavesTheListingsOpen()
    {
        fixture.writeFile("India.rtf", rtf("India"));
        frmDirectory &hub = OpenScreen<frmDirectory>();
        QVERIFY(click(hub, "lblCountry"));
        QVERIFY(click(hub, "Tradition"));
        QVERIFY(click(*slot<frmCountry>(), "lblIndia"));
        QVERIFY(click(hub, "lblExit"));
        QVERIFY(!slot<frmDirectory>());
        QVERIFY(slot<frmCountry>()->window()->isVisible());
        QVERIFY(slot<frmTradition>()->window()->isVisible());
        QCOMPARE(shown(*slot<frmCountry>(), "rtfDirectory"), QStringLiteral("India"));
        QCOMPARE(fixture.endings, 0);
    }

    // "Find Country of Center" opens the country screen first, passes nothing, then closes itself.
    void findCountryHandsOverAndPassesNothing()
    {
        fixture.writeFile("Laya.rtf", rtf("Laya"));
        fixture.writeFile("Nepal.rtf", rtf("Nepal"));
        OpenScreen<frmYoga>();
        frmDirectory &hub = OpenScreen<frmDirectory>();
        QVERIFY(click(hub, "Tradition"));
        QVERIFY(click(*slot<frmTradition>(), "lblLaya"));
        QVERIFY(click(*slot<frmTradition>(), "lblCountry"));
        QVERIFY(!slot<frmTradition>());
        QVERIFY(slot<frmCountry>() && slot<frmCountry>()->isLoaded());
        QVERIFY(shown(*slot<frmCountry>(), "rtfDirectory").isEmpty());
        QVERIFY(slot<frmDirectory>() && slot<frmYoga>());
        QCOMPARE(shell::loadedScreenCount(), 3);

        // Reaching the open country screen again keeps its listing; the tradition screen starts anew.
        QVERIFY(click(*slot<frmCountry>(), "lblNepal"));
        frmCountry *country = slot<frmCountry>();
        ShellFixture::flushDeletes();
        QVERIFY(click(hub, "Tradition"));
        QVERIFY(shown(*slot<frmTradition>(), "rtfTradition").isEmpty());
        QVERIFY(click(*slot<frmTradition>(), "lblCountry"));
        QCOMPARE(slot<frmCountry>(), country);
        QCOMPARE(shown(*country, "rtfDirectory"), QStringLiteral("Nepal"));
        QCOMPARE(fixture.endings, 0);
    }

    // PHOTO hands the hub over to the photo listings browser once that screen is part of the program;
    // until then it leaves everything as it was and reports nothing.
    void photoHandsOverToTheListingsBrowser()
    {
        OpenScreen<frmYoga>();
        frmDirectory &hub = OpenScreen<frmDirectory>();
        QVERIFY(click(hub, "lblPhoto"));
        QCOMPARE(fixture.endings, 0);
        QVERIFY(fixture.messages.isEmpty());
        const ScreenClass *browser = screenClass("frmPhotoListings");
        if (!browser) {
            QVERIFY(slot<frmDirectory>() && hub.isLoaded());
            QCOMPARE(shell::loadedScreenCount(), 2);
            return;
        }
        QVERIFY(!slot<frmDirectory>());
        QVERIFY(browser->instance() && browser->instance()->isLoaded());
        QCOMPARE(shell::loadedScreenCount(), 2);
    }

    // One notice, whichever link opens it: the second opening brings it back with what was typed.
    void oneNoticeWhicheverLinkOpensIt_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("hub, then country") << "frmDirectory" << "frmCountry";
        QTest::newRow("country, then tradition") << "frmCountry" << "frmTradition";
        QTest::newRow("tradition, then hub") << "frmTradition" << "frmDirectory";
    }
    void oneNoticeWhicheverLinkOpensIt()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        Screen &a = open(first);
        Screen &b = open(second);
        QVERIFY(click(a, "lblSubmit"));
        frmSubmit *opened = slot<frmSubmit>();
        QVERIFY(opened && opened->isLoaded());
        QTest::keyClicks(&notice(*opened), "Kind regards");
        const QString typed = notice(*opened).toPlainText();
        QVERIFY(click(b, "lblSubmit"));
        QCOMPARE(slot<frmSubmit>(), opened);
        QCOMPARE(notice(*opened).toPlainText(), typed);
        QVERIFY(typed.contains(QStringLiteral("Kind regards")));
        QVERIFY(a.isLoaded() && b.isLoaded());
        QCOMPARE(shell::loadedScreenCount(), 3);
    }

    void noticeShowsItsThirteenLines()
    {
        frmSubmit &screen = OpenScreen<frmSubmit>();
        QCOMPARE(screen.window()->windowTitle(), QStringLiteral("                Submit your listing"));
        const QStringList lines = notice(screen).toPlainText().split(QLatin1Char('\n'));
        const QStringList expected = {
            QStringLiteral("Listing requests must come directly "),
            QStringLiteral("from any particular Yoga Center."),
            QString(),
            QStringLiteral("Please, send your listing information to: "),
            QString::fromLatin1(directory::publisherEmail),
            QStringLiteral("Or, if you have no internet connection, to:"),
            QStringLiteral("Morvane Zuvovuroda"),
            QString::fromLatin1(directory::publisherAddress),
            QString(),
            QStringLiteral("To see the listing on the web go to:"),
            QString::fromLatin1(directory::publisherDirectoryWeb),
            QString(),
            QStringLiteral("All listings are free of charge."),
            QString(), // the final line break leaves an empty fourteenth line for the caret
        };
        QCOMPARE(lines, expected);
        QVERIFY(QString::fromLatin1(directory::publisherEmail).endsWith(QLatin1String(".example")));
        QVERIFY(!notice(screen).isReadOnly());
    }

    void noticeEditsAreLostWhenItCloses()
    {
        OpenScreen<frmYoga>();
        frmSubmit &screen = OpenScreen<frmSubmit>();
        const QString stored = notice(screen).toPlainText();
        QTextEdit &text = notice(screen);
        text.moveCursor(QTextCursor::End);
        QTest::keyClicks(&text, "Our centre");
        QTest::keyClick(&text, Qt::Key_Home);
        QTest::keyClick(&text, Qt::Key_Backspace);
        QVERIFY(text.toPlainText() != stored);
        QVERIFY(screen.window()->close());
        ShellFixture::flushDeletes();
        frmSubmit &again = OpenScreen<frmSubmit>();
        QCOMPARE(notice(again).toPlainText(), stored);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    DirectoryScreensTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_directory_screens.moc"
