// The study screens as a user meets them: their layouts, and files that cannot be documents. Their
// links, EXIT, close box and Escape are covered with every other screen's.

#include "Application.h"
#include "ScreenTest.h"
#include "study/frmYogaInstructions.h"

#include <QDir>

#include <sys/stat.h>

using namespace vireka;
using namespace vireka::test;

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
        const QColor navy(0, 0, 128), oliveYellow(192, 192, 0), red(255, 0, 0), black(0, 0, 0);
        QCOMPARE(screen.control<QWidget>("rtfInstructions").geometry(), QRect(144, 64, 433, 289));
        QCOMPARE(probe.at(350, 200), navy);
        QCOMPARE(probe.at(585, 10), black);
        QCOMPARE(screen.control<QWidget>("Image1").geometry(), QRect(16, 24, 113, 81));
        const auto &topics = frmYogaInstructions::Links.rows;
        for (std::size_t row = 0; row < topics.size(); ++row) {
            const QRect box(16, 120 + 24 * int(row), 113, 17);
            QCOMPARE(screen.control<QWidget>(topics[row].control).geometry(), box);
            QCOMPARE(probe.at(box.left() + 2, box.top() + 2), navy);
            QVERIFY(probe.contains(box.adjusted(1, 1, -1, -1), oliveYellow));
            QCOMPARE(probe.at(20, box.bottom() + 3), black);
        }
        QCOMPARE(screen.control<LabelControl>("lblMeditation").caption(), QStringLiteral("MEDITATION"));
        QCOMPARE(screen.control<QWidget>("lblExit").geometry(), QRect(16, 336, 113, 17));
        QVERIFY(probe.contains(QRect(17, 337, 111, 15), red));
        QVERIFY(probe.contains(QRect(176, 8, 369, 25), oliveYellow)); // heading
        QVERIFY(probe.contains(QRect(144, 40, 441, 20), oliveYellow)); // sub-heading
    }

    void filesThatAreNotDocumentsLeaveTheEarlierOne()
    {
        fixture.writeFile("Eight.rtf", rtf("Eight limbs"));
        fixture.writeFile("Asanas.rtf", QByteArray());
        fixture.writeFile("Pranayama.rtf", "{\\rtf1\\ansi truncated {\\b here");
        QVERIFY(QDir(fixture.folder()).mkdir(QStringLiteral("Samadhi.rtf")));
        QVERIFY(::mkfifo(QFile::encodeName(fixture.folder() + QStringLiteral("/Introduction.rtf")).constData(), 0600) == 0);
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        click(screen, "lblIntroduction"); // a named pipe must not block the program
        QVERIFY(shown(screen, "rtfInstructions").isEmpty());
        click(screen, "lblEight");
        for (const char *failing : {"lblIntroduction", "lblAsanas", "lblPranayama", "lblSamadhi"}) {
            click(screen, failing);
            QCOMPARE(shown(screen, "rtfInstructions"), QStringLiteral("Eight limbs"));
        }
        QVERIFY(fixture.messages.isEmpty());
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    StudyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_study.moc"
