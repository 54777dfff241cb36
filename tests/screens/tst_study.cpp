// The study screens as a user meets them: their layouts, and files that cannot be documents. Their
// links, EXIT, close box and Escape are covered with every other screen's.

#include "Application.h"
#include "DirectoryNames.h"
#include "ScreenTest.h"
#include "study/frmArticles.h"
#include "study/frmTesmara.h"
#include "study/frmYogaInstructions.h"

#include <QDir>
#include <QScrollBar>
#include <QTextLayout>

#include <sys/stat.h>

using namespace vireka;
using namespace vireka::test;
using namespace vireka::test::shades;

namespace {

Screen &openStudyScreen(const QString &name)
{
    if (name == QLatin1String("frmArticles"))
        return OpenScreen<frmArticles>();
    return OpenScreen<frmTesmara>();
}

const char *areaOf(const QString &name)
{
    return name == QLatin1String("frmArticles") ? "rtfArticles" : "rtfTesmara";
}

} // namespace

class StudyTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void instructionsOpenWithTheFocusInTheArea()
    {
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        QApplication::setActiveWindow(screen.window());
        QCOMPARE(QApplication::focusWidget(), &screen.control<DocumentArea>("rtfInstructions"));
        QVERIFY(shown(screen, "rtfInstructions").isEmpty()); // nothing loads on opening
    }

    void instructionsGeometryAndColoursMatchTheLayout()
    {
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        const ScreenProbe probe(screen.client());
        QCOMPARE(screen.control<QWidget>("rtfInstructions").geometry(), QRect(144, 64, 433, 289));
        QCOMPARE(probe.at(350, 200), Navy);
        QCOMPARE(probe.at(585, 10), Black);
        QCOMPARE(screen.control<QWidget>("Image1").geometry(), QRect(16, 24, 113, 81));
        const auto &topics = screenNamed(QStringLiteral("frmYogaInstructions")).links.rows;
        for (std::size_t row = 0; row < topics.size(); ++row) {
            const QRect box(16, 120 + 24 * int(row), 113, 17);
            QCOMPARE(screen.control<QWidget>(topics[row].control).geometry(), box);
            QCOMPARE(probe.at(box.left() + 2, box.top() + 2), Navy);
            QVERIFY(probe.contains(box.adjusted(1, 1, -1, -1), OliveYellow));
            QCOMPARE(probe.at(20, box.bottom() + 3), Black);
        }
        QCOMPARE(screen.control<LabelControl>("lblMeditation").caption(), QStringLiteral("MEDITATION"));
        QCOMPARE(screen.control<QWidget>("lblExit").geometry(), QRect(16, 336, 113, 17));
        QVERIFY(probe.contains(QRect(17, 337, 111, 15), Red));
        QVERIFY(probe.contains(QRect(176, 8, 369, 25), OliveYellow)); // heading
        QVERIFY(probe.contains(QRect(144, 40, 441, 20), OliveYellow)); // sub-heading
    }

    void filesThatAreNotDocumentsLeaveTheEarlierOne()
    {
        fixture.writeFile("Eight.rtf", rtf("Eight limbs"));
        fixture.writeFile("Asanas.rtf", QByteArray());
        fixture.writeFile("Pranayama.rtf", "{\\rtf1\\ansi truncated {\\b here");
        QVERIFY(QDir(fixture.folder()).mkdir(QStringLiteral("Samadhi.rtf")));
        QVERIFY(::mkfifo(QFile::encodeName(fixture.folder() + QStringLiteral("/Introduction.rtf")).constData(), 0600) == 0);
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        QVERIFY(click(screen, "lblIntroduction")); // a named pipe must not block the program
        QVERIFY(shown(screen, "rtfInstructions").isEmpty());
        QVERIFY(click(screen, "lblEight"));
        for (const char *failing : {"lblIntroduction", "lblAsanas", "lblPranayama", "lblSamadhi"}) {
            QVERIFY(click(screen, failing));
            QCOMPARE(shown(screen, "rtfInstructions"), QStringLiteral("Eight limbs"));
        }
        QVERIFY(fixture.messages.isEmpty());
    }

    // Each caption with the file it must load, written out here rather than read from the screen's
    // own table, so that a file name mistyped there shows.
    void studyLinksLoadTheirOwnFiles_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        const char *const rows[][4] = {
            {"frmArticles", "lblYogaScie", "Yoga and Science", "YogaScie.rtf"},
            {"frmArticles", "lblMantra", "Mantra", "Mantra.rtf"},
            {"frmArticles", "lblJnana", "Jnana Yoga", "Jnana.rtf"},
            {"frmArticles", "lblSelfReal", "Self-realization", "SelfReal.rtf"},
            {"frmArticles", "lblSelfKnow", "Self-knowledge", "SelfKnow.rtf"},
            {"frmArticles", "lblReincarnate", "Reincarnation", "Reincarnate.rtf"},
            {"frmArticles", "lblSoul", "Soul", "Soul.rtf"},
            {"frmArticles", "lblTriggers", "Triggers", "Triggers.rtf"},
            {"frmArticles", "lblBalance", "Balance", "Balance.rtf"},
            {"frmArticles", "lblGurusCults", "Gurus, Disciples and Cults", "GurusCults.rtf"},
            {"frmTesmara", "Label1", "CIRCUMSTANTIAL EVIDENCE FOR THE EXISTENCE OF GOD", "PartOne.rtf"},
            {"frmTesmara", "Label4", "THE QUINTESSENCE - THE SOUL OF SCRIPTURE", "PartTwo.rtf"},
            {"frmTesmara", "Label6", "THE INQUIRY INTO THE SELF", "PartThree.rtf"},
            {"frmTesmara", "Label8", "SOURCES OF KNOWLEDGE", "PartFour.rtf"},
            {"frmTesmara", "Label10", "PSYCHIC POWERS", "PartFive.rtf"},
            {"frmTesmara", "lblSummary", "Summary", "TesmaraAd.rtf"},
            {"frmTesmara", "Label13", "How to order Tesmara", "Order.rtf"},
        };
        for (const auto &row : rows)
            QTest::addRow("%s %s", row[0], row[1]) << row[0] << row[1] << row[2] << row[3];
    }
    void studyLinksLoadTheirOwnFiles()
    {
        QFETCH(QString, screen);
        QFETCH(QString, link);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        // Near-miss names lie beside the right one: the tradition listings of the same topics.
        for (const char *other : {"JnanaStyle.rtf", "MantraStyle.rtf", "Meditation.rtf"})
            fixture.writeFile(QString::fromLatin1(other), rtf("a tradition listing"));
        fixture.writeFile(file, rtf(file.toLatin1()));
        Screen &shownOn = openStudyScreen(screen);
        const QByteArray name = link.toLatin1();
        QCOMPARE(shownOn.control<LabelControl>(name.constData()).caption(), caption);
        QVERIFY(click(shownOn, name.constData()));
        QCOMPARE(shown(shownOn, areaOf(screen)), file);
    }

    // Articles load over what is shown; the book sampler empties its area first.
    void anotherLinksMissingFileKeepsOrClears_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QByteArray>("shownLink");
        QTest::addColumn<QString>("shownFile");
        QTest::addColumn<QByteArray>("missingLink");
        QTest::addColumn<QString>("left");
        QTest::newRow("articles keep") << "frmArticles" << QByteArray("lblSoul") << "Soul.rtf"
                                       << QByteArray("lblBalance") << "shown before";
        QTest::newRow("book sampler clears") << "frmTesmara" << QByteArray("Label6") << "PartThree.rtf"
                                             << QByteArray("Label13") << "";
    }
    void anotherLinksMissingFileKeepsOrClears()
    {
        QFETCH(QString, screen);
        QFETCH(QByteArray, shownLink);
        QFETCH(QString, shownFile);
        QFETCH(QByteArray, missingLink);
        QFETCH(QString, left);
        fixture.writeFile(shownFile, longRtf("shown before"));
        Screen &shownOn = openStudyScreen(screen);
        QVERIFY(click(shownOn, shownLink.constData()));
        QVERIFY(click(shownOn, missingLink.constData()));
        QCOMPARE(shown(shownOn, areaOf(screen)).left(left.size()), left);
        QCOMPARE(shown(shownOn, areaOf(screen)).isEmpty(), left.isEmpty());
        QVERIFY(fixture.messages.isEmpty());
    }

    void articlesOpenMaximisedWithTheFocusInTheArea()
    {
        frmArticles &screen = OpenScreen<frmArticles>();
        QVERIFY(screen.window()->isMaximized());
        QApplication::setActiveWindow(screen.window());
        QCOMPARE(QApplication::focusWidget(), &screen.control<DocumentArea>("rtfArticles"));
        QVERIFY(shown(screen, "rtfArticles").isEmpty());
    }

    void articlesGeometryAndColoursMatchTheLayout()
    {
        frmArticles &screen = OpenScreen<frmArticles>();
        QTRY_VERIFY(screen.client()->width() > 700);
        const ScreenProbe probe(screen.client());
        QCOMPARE(screen.control<QWidget>("rtfArticles").geometry(), QRect(136, 56, 489, 305));
        QCOMPARE(probe.at(400, 200), Blue);
        QCOMPARE(probe.at(700, 400), Black); // beyond the design size, nothing stretched
        QCOMPARE(screen.control<QWidget>("Image1").geometry(), QRect(8, 8, 121, 69));
        const auto &articles = screenNamed(QStringLiteral("frmArticles")).links.rows;
        for (std::size_t row = 0; row < articles.size(); ++row) {
            const int height = row + 1 == articles.size() ? 33 : 17;
            const QRect box(8, 80 + 24 * int(row), 121, height);
            QCOMPARE(screen.control<QWidget>(articles[row].control).geometry(), box);
            QCOMPARE(probe.at(box.left() + 2, box.top() + 2), Blue);
            QVERIFY(probe.contains(box.adjusted(1, 1, -1, -1), White));
        }
        // The last article's caption takes two lines.
        QVERIFY(probe.contains(QRect(9, 80 + 24 * 9 + 17, 119, 15), White));
        QCOMPARE(screen.control<QWidget>("lblExit").geometry(), QRect(8, 336, 121, 25));
        QVERIFY(probe.contains(QRect(9, 337, 119, 23), Red));
        QVERIFY(!probe.contains(QRect(9, 337, 119, 23), White));
        QVERIFY(probe.contains(QRect(168, 16, 433, 33), Yellow)); // heading over black
    }

    // Six links show the custom arrow; "Summary", the headings and the description do not.
    void bookSamplerPointers_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<bool>("custom");
        for (const char *name : {"Label1", "Label4", "Label6", "Label8", "Label10", "Label13"})
            QTest::newRow(name) << QByteArray(name) << true;
        for (const char *name : {"lblSummary", "Label2", "Label3", "Label5", "Label7", "Label9", "Label11", "Label12"})
            QTest::newRow(name) << QByteArray(name) << false;
    }
    void bookSamplerPointers()
    {
        QFETCH(QByteArray, control);
        QFETCH(bool, custom);
        frmTesmara &screen = OpenScreen<frmTesmara>();
        const QWidget &label = screen.control<QWidget>(control.constData());
        QCOMPARE(label.testAttribute(Qt::WA_SetCursor), custom);
        if (custom)
            QCOMPARE(label.cursor().shape(), Qt::BitmapCursor);
    }

    // The underline runs under the whole caption, its last letter included.
    void bookSamplerLinksAreUnderlinedToTheEnd_data()
    {
        QTest::addColumn<QByteArray>("control");
        for (const char *name : {"Label6", "Label8", "Label10", "lblSummary", "Label13"})
            QTest::newRow(name) << QByteArray(name);
    }
    void bookSamplerLinksAreUnderlinedToTheEnd()
    {
        QFETCH(QByteArray, control);
        frmTesmara &screen = OpenScreen<frmTesmara>();
        const auto &label = screen.control<LabelControl>(control.constData());
        const int textWidth = QFontMetrics(label.font()).horizontalAdvance(label.caption());
        const QImage shot = ScreenProbe(screen.client()).image().copy(label.geometry());
        const QRgb white = qRgb(255, 255, 255);
        bool underlined = false;
        for (int y = 0; y < shot.height() && !underlined; ++y) {
            int run = 0;
            for (int x = 0; x < textWidth - 1 && shot.pixel(x, y) == white; ++x)
                ++run;
            underlined = run >= textWidth - 2;
        }
        QVERIFY(underlined);
    }

    void bookSamplerHeadingsDoNothing()
    {
        fixture.writeFile("PartTwo.rtf", rtf("Part two"));
        frmTesmara &screen = OpenScreen<frmTesmara>();
        QVERIFY(click(screen, "Label4"));
        for (const char *heading : {"Label2", "Label3", "Label5", "Label7", "Label9", "Label11", "Label12"})
            QVERIFY(click(screen, heading));
        QCOMPARE(shown(screen, "rtfTesmara"), QStringLiteral("Part two"));
        QCOMPARE(shell::loadedScreenCount(), 1);
    }

    // EXIT holds the focus on opening, so Enter closes the screen; it is not the default button, so
    // Enter in the document area does not.
    void bookSamplerEnterPressesExitOnlyWhileItHasTheFocus()
    {
        frmTesmara &screen = OpenScreen<frmTesmara>();
        QApplication::setActiveWindow(screen.window());
        auto &area = screen.control<DocumentArea>("rtfTesmara");
        area.setFocus();
        QTest::keyClick(&area, Qt::Key_Return);
        QVERIFY(slot<frmTesmara>());
        CloseScreen<frmTesmara>();
        ShellFixture::restart();

        frmTesmara &fresh = OpenScreen<frmTesmara>();
        QApplication::setActiveWindow(fresh.window());
        QCOMPARE(QApplication::focusWidget(), &fresh.control<QWidget>("cmdClose"));
        QTest::keyClick(keyTarget(fresh), Qt::Key_Return);
        QVERIFY(!slot<frmTesmara>());
    }

    // The vital data's runs of spaces carry each item onto a line of its own at the label's width.
    void bookSamplerVitalDataItemsStartLines()
    {
        frmTesmara &screen = OpenScreen<frmTesmara>();
        const auto &label = screen.control<LabelControl>("Label12");
        QTextLayout layout(label.caption(), label.font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QStringList lines;
        int height = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label.width());
            lines << label.caption().mid(line.textStart(), line.textLength()).trimmed();
            height += qCeil(line.height());
        }
        layout.endLayout();
        QVERIFY2(height <= label.height(), "every line fits in the label");
        QVERIFY(lines.size() >= 3);
        QCOMPARE(lines[0], QString::fromLatin1(directory::tesmaraPages) + QStringLiteral(" pages"));
        QCOMPARE(lines[1], QStringLiteral("Photos, graphics, a yantra in colour"));
        QVERIFY(lines[2].startsWith(QLatin1String("Dealers:")));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    StudyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_study.moc"
