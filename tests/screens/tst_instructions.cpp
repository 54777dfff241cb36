// The instructions screen: its layout, its nine links and their documents, EXIT and Escape.

#include "Application.h"
#include "DocumentArea.h"
#include "LabelControl.h"
#include "ScreenProbe.h"
#include "ScreenSlots.h"
#include "ShellFixture.h"
#include "study/frmYogaInstructions.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

using namespace vireka;
using vireka::test::ScreenProbe;
using vireka::test::ShellFixture;

namespace {

struct Link {
    const char *label;
    const char *caption;
    const char *file;
};

const Link links[] = {
    {"lblIntroduction", "INTRODUCTION", "Introduction.rtf"},
    {"lblEight", "EIGHT STEPS", "Eight.rtf"},
    {"lblCleansing", "PURIFICATION", "Purification.rtf"},
    {"lblAsanas", "ASANAS", "Asanas.rtf"},
    {"lblPranayama", "PRANAYAMA", "Pranayama.rtf"},
    {"lblMudras", "MUDRAS", "Mudras.rtf"},
    {"lblConcentration", "CONCENTRATION", "Concentration.rtf"},
    {"lblMeditation", "MEDITATION", "Meditate.rtf"},
    {"lblSamadhi", "SAMADHI", "Samadhi.rtf"},
};

void click(Screen &screen, const char *label)
{
    QTest::mouseClick(screen.control<LabelControl>(label), Qt::LeftButton, {}, QPoint(4, 4));
}

QString shown(frmYogaInstructions &screen)
{
    return screen.rtfInstructions()->toPlainText().trimmed();
}

} // namespace

class InstructionsTest : public QObject {
    Q_OBJECT

private slots:
    void opensCentredWithItsCaptionAndFocus()
    {
        ShellFixture fixture;
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        QCOMPARE(screen.window()->windowTitle(), QStringLiteral("Yoga Instructions"));
        QCOMPARE(screen.client()->size(), QSize(590, 362));
        QVERIFY(!screen.window()->isMaximized());
        QApplication::setActiveWindow(screen.window());
        QCOMPARE(QApplication::focusWidget(), screen.rtfInstructions());
    }

    void geometryAndColoursMatchTheLayout()
    {
        ShellFixture fixture;
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        const ScreenProbe probe(screen.client());
        const QColor navy(0, 0, 128), oliveYellow(192, 192, 0), red(255, 0, 0), black(0, 0, 0);
        QCOMPARE(screen.rtfInstructions()->geometry(), QRect(144, 64, 433, 289));
        QCOMPARE(probe.at(350, 200), navy);
        QCOMPARE(probe.at(585, 10), black);
        QCOMPARE(screen.control<QWidget>("Image1")->geometry(), QRect(16, 24, 113, 81));
        for (int row = 0; row < 9; ++row) {
            const QRect box(16, 120 + 24 * row, 113, 17);
            QCOMPARE(screen.control<QWidget>(links[row].label)->geometry(), box);
            QCOMPARE(screen.control<LabelControl>(links[row].label)->caption(), QString::fromLatin1(links[row].caption));
            QCOMPARE(probe.at(box.left() + 2, box.top() + 2), navy);
            QVERIFY(probe.contains(box.adjusted(1, 1, -1, -1), oliveYellow));
            QCOMPARE(probe.at(20, box.bottom() + 3), black);
        }
        QCOMPARE(screen.control<QWidget>("lblExit")->geometry(), QRect(16, 336, 113, 17));
        QVERIFY(probe.contains(QRect(17, 337, 111, 15), red));
        QVERIFY(probe.contains(QRect(176, 8, 369, 25), oliveYellow)); // heading
        QVERIFY(probe.contains(QRect(144, 40, 441, 20), oliveYellow)); // sub-heading
    }

    void eachLinkLoadsItsOwnDocument()
    {
        ShellFixture fixture;
        for (const Link &link : links)
            fixture.writeFile(link.file, ShellFixture::rtf(link.file));
        fixture.writeFile("Meditation.rtf", ShellFixture::rtf("the tradition listing"));
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        QVERIFY(shown(screen).isEmpty()); // nothing loads on opening
        for (const Link &link : links) {
            click(screen, link.label);
            QCOMPARE(shown(screen), QString::fromLatin1(link.file));
        }
    }

    void failedLoadKeepsTheEarlierDocument()
    {
        ShellFixture fixture;
        fixture.writeFile("Eight.rtf", ShellFixture::rtf("Eight limbs"));
        fixture.writeFile("Asanas.rtf", QByteArray());
        fixture.writeFile("Pranayama.rtf", "{\\rtf1\\ansi truncated {\\b here");
        fixture.writeFile("Mudras.rtf", "plain text, not rich text");
        QVERIFY(QDir(fixture.folder()).mkdir(QStringLiteral("Samadhi.rtf")));
        QVERIFY(::mkfifo(QFile::encodeName(fixture.folder() + QStringLiteral("/Introduction.rtf")).constData(), 0600) == 0);
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        click(screen, "lblIntroduction"); // a named pipe must not block the program
        QVERIFY(shown(screen).isEmpty());
        click(screen, "lblEight");
        for (const char *failing : {"lblIntroduction", "lblAsanas", "lblPranayama", "lblMudras", "lblSamadhi"}) {
            click(screen, failing);
            QCOMPARE(shown(screen), QStringLiteral("Eight limbs"));
        }
        click(screen, "lblEight");
        QCOMPARE(shown(screen), QStringLiteral("Eight limbs"));
        QVERIFY(fixture.messages.isEmpty());
    }

    void exitClosesOnlyThisScreenAndReopensEmpty()
    {
        ShellFixture fixture;
        fixture.writeFile("Samadhi.rtf", ShellFixture::rtf("Samadhi"));
        OpenScreen<frmYogaInstructions>();
        frmYogaInstructions &screen = *slot<frmYogaInstructions>();
        click(screen, "lblSamadhi");
        click(screen, "lblExit");
        QVERIFY(!slot<frmYogaInstructions>());
        QCOMPARE(fixture.endings, 1); // it was the only screen
        ShellFixture::flushDeletes();
        shell::resetForTests();
        QVERIFY(shown(OpenScreen<frmYogaInstructions>()).isEmpty());
    }

    void closeBoxThenReopenStartsEmpty()
    {
        ShellFixture fixture;
        fixture.writeFile("Samadhi.rtf", ShellFixture::rtf("Samadhi"));
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        click(screen, "lblSamadhi");
        screen.window()->close();
        ShellFixture::flushDeletes();
        shell::resetForTests();
        QVERIFY(shown(OpenScreen<frmYogaInstructions>()).isEmpty());
    }

    void escapeEndsTheProgram()
    {
        ShellFixture fixture;
        frmYogaInstructions &screen = OpenScreen<frmYogaInstructions>();
        QTest::keyClick(screen.rtfInstructions(), Qt::Key_Escape);
        QVERIFY(!slot<frmYogaInstructions>());
        QCOMPARE(fixture.endings, 1);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    InstructionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instructions.moc"
