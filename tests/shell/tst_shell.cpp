// The shell as screens meet it: slots, opening and closing, the close box, Escape, the end of the
// program, the folder step and its memory warning, and failures that no screen catches.

#include "Application.h"
#include "DocumentArea.h"
#include "LabelControl.h"
#include "ScreenSlots.h"
#include "ScreenTable.h"
#include "ScreenWindow.h"
#include "Shell.h"
#include "ShellFixture.h"
#include "Units.h"
#include "menu/frmYoga.h"

#include <QCloseEvent>
#include <QDir>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <new>
#include <stdexcept>

using namespace vireka;
using vireka::test::ShellFixture;

namespace {

const ControlSpec plainLayout[] = {
    {.name = "lblClose", .caption = "Close", .left = 0, .top = 0, .width = 900, .height = 300},
    {.name = "rtfText", .kind = ControlKind::DocumentArea, .left = 0, .top = 600, .width = 3000, .height = 1500,
     .scrollBars = 2, .tabIndex = 0},
};

const ScreenSpec escapingSpec{.name = "testEscaping", .caption = "Escaping", .clientWidth = 4500,
                              .clientHeight = 3000, .escape = EscapeRule::EndsProgram,
                              .setsProgramFolder = true};
const ScreenSpec quietSpec{.name = "testQuiet", .caption = "Quiet", .clientWidth = 4500, .clientHeight = 3000};

// Counts its Load events and closes itself from its own label, as EXIT labels do.
class TestEscaping : public Screen {
public:
    TestEscaping() : Screen(escapingSpec, plainLayout) {}
    int loads = 0;

protected:
    void Form_Load() override
    {
        Screen::Form_Load();
        ++loads;
    }
    void connectHandlers() override
    {
        on("lblClose", Event::Click, [] { CloseScreen<TestEscaping>(); });
    }
};

class TestQuiet : public Screen {
public:
    TestQuiet() : Screen(quietSpec, plainLayout) {}
};

const ControlSpec cancelLayout[] = {
    {.name = "cmdOK", .kind = ControlKind::CommandButton, .caption = "OK", .left = 0, .top = 0, .width = 1200,
     .height = 400, .isDefault = true, .isCancel = true, .tabIndex = 0},
};
const ScreenSpec cancelSpec{.name = "testCancel", .caption = "Cancel", .clientWidth = 3000, .clientHeight = 2000,
                            .escape = EscapeRule::CancelButton};

class TestCancel : public Screen {
public:
    TestCancel() : Screen(cancelSpec, cancelLayout) {}

protected:
    void connectHandlers() override
    {
        on("cmdOK", Event::Click, [] { CloseScreen<TestCancel>(); });
    }
};

// Fails while loading, as a screen that cannot be built would.
class TestBroken : public Screen {
public:
    TestBroken() : Screen(quietSpec, plainLayout) {}

protected:
    void Form_Load() override { throw std::runtime_error("cannot load"); }
};

void clickLabel(Screen &screen, const char *name)
{
    auto *label = screen.control<LabelControl>(name);
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void openingCreatesLoadsAndShows()
    {
        ShellFixture fixture;
        QVERIFY(!slot<TestEscaping>());
        TestEscaping &screen = OpenScreen<TestEscaping>();
        QCOMPARE(slot<TestEscaping>(), &screen);
        QVERIFY(screen.isLoaded());
        QVERIFY(screen.window()->isVisible());
        QCOMPARE(screen.loads, 1);
        QCOMPARE(shell::loadedScreenCount(), 1);
    }

    void openingAnOpenScreenKeepsItsState()
    {
        ShellFixture fixture;
        fixture.writeFile("Doc.rtf", ShellFixture::rtf("kept"));
        TestEscaping &screen = OpenScreen<TestEscaping>();
        auto *area = screen.control<DocumentArea>("rtfText");
        LoadDocument(area, "\\Doc.rtf");
        TestEscaping &again = OpenScreen<TestEscaping>();
        QCOMPARE(&again, &screen);
        QCOMPARE(again.loads, 1);
        QCOMPARE(again.control<DocumentArea>("rtfText"), area);
        QCOMPARE(area->toPlainText().trimmed(), QStringLiteral("kept"));
    }

    void closingFromOwnHandlerEmptiesSlotAndReopensFresh()
    {
        ShellFixture fixture;
        fixture.writeFile("Doc.rtf", ShellFixture::rtf("shown"));
        OpenScreen<TestQuiet>(); // keeps the program alive once the tested screen closes
        TestEscaping &first = OpenScreen<TestEscaping>();
        LoadDocument(first.control<DocumentArea>("rtfText"), "\\Doc.rtf");
        clickLabel(first, "lblClose");
        QVERIFY(!slot<TestEscaping>());
        ShellFixture::flushDeletes();
        TestEscaping &second = OpenScreen<TestEscaping>();
        QCOMPARE(second.loads, 1);
        QVERIFY(second.control<DocumentArea>("rtfText")->toPlainText().isEmpty());
        QCOMPARE(fixture.endings, 0);
    }

    void closeBoxUnloadsButKeepsTheSlot()
    {
        ShellFixture fixture;
        OpenScreen<TestQuiet>();
        TestEscaping &screen = OpenScreen<TestEscaping>();
        QVERIFY(screen.window()->close());
        QVERIFY(!screen.isLoaded());
        QCOMPARE(slot<TestEscaping>(), &screen);
        ShellFixture::flushDeletes();
        TestEscaping &again = OpenScreen<TestEscaping>();
        QCOMPARE(&again, &screen);
        QVERIFY(again.isLoaded());
        QCOMPARE(again.loads, 2);
    }

    void programEndsWhenTheLastScreenCloses()
    {
        ShellFixture fixture;
        OpenScreen<TestQuiet>();
        TestEscaping &screen = OpenScreen<TestEscaping>();
        clickLabel(screen, "lblClose");
        QCOMPARE(fixture.endings, 0);
        slot<TestQuiet>()->window()->close();
        QCOMPARE(fixture.endings, 1);
    }

    void escapeFromFocusedDocumentAreaEndsProgram()
    {
        ShellFixture fixture;
        OpenScreen<TestQuiet>();
        TestEscaping &screen = OpenScreen<TestEscaping>();
        auto *area = screen.control<DocumentArea>("rtfText");
        area->setFocus();
        QTest::keyClick(area, Qt::Key_Escape);
        QVERIFY(!slot<TestEscaping>());
        QVERIFY(shell::programEnded());
        QCOMPARE(fixture.endings, 1);
    }

    void otherKeysDoNothingAndModifiersDoNotMatter()
    {
        ShellFixture fixture;
        OpenScreen<TestQuiet>();
        TestEscaping &screen = OpenScreen<TestEscaping>();
        auto *area = screen.control<DocumentArea>("rtfText");
        QTest::keyClick(area, Qt::Key_Return);
        QTest::keyClick(area, Qt::Key_A, Qt::AltModifier);
        QVERIFY(slot<TestEscaping>());
        QCOMPARE(fixture.endings, 0);
        QTest::keyClick(area, Qt::Key_Escape, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(fixture.endings, 1);
    }

    void screensWithoutTheRuleIgnoreEscape()
    {
        ShellFixture fixture;
        TestQuiet &plain = OpenScreen<TestQuiet>();
        QTest::keyClick(plain.control<DocumentArea>("rtfText"), Qt::Key_Escape);
        QVERIFY(slot<TestQuiet>());
        QVERIFY(plain.isLoaded());
        QCOMPARE(fixture.endings, 0);
    }

    void escapePressesTheCancelButtonOnly()
    {
        ShellFixture fixture;
        OpenScreen<TestQuiet>();
        TestCancel &dialog = OpenScreen<TestCancel>();
        QTest::keyClick(dialog.control<QPushButton>("cmdOK"), Qt::Key_Escape);
        QVERIFY(!slot<TestCancel>());
        QVERIFY(slot<TestQuiet>());
        QCOMPARE(fixture.endings, 0);
    }

    void noHandlerRunsAfterTheEnd()
    {
        ShellFixture fixture;
        OpenScreen<TestQuiet>();
        TestEscaping &screen = OpenScreen<TestEscaping>();
        EndProgram();
        clickLabel(screen, "lblClose");
        QVERIFY(slot<TestEscaping>()); // the click's handler did not run
        EndProgram();
        QCOMPARE(fixture.endings, 1);
    }

    void folderStepMakesProgramFolderCurrent()
    {
        ShellFixture fixture;
        QDir::setCurrent(QDir::tempPath());
        OpenScreen<TestEscaping>();
        QCOMPARE(QDir::currentPath(), QDir(fixture.folder()).canonicalPath());
        QVERIFY(fixture.messages.isEmpty());
    }

    void failedFolderStepIsIgnored()
    {
        ShellFixture fixture;
        QDir::setCurrent(QDir::tempPath());
        const QString before = QDir::currentPath();
        shell::setProgramFolderLocator([] { return QStringLiteral("/no/such/folder"); });
        QVERIFY(SetProgramFolder() != 0);
        QVERIFY(SetProgramFolder() != OutOfMemory);
        QCOMPARE(QDir::currentPath(), before);
        OpenScreen<frmYoga>();
        QVERIFY(fixture.messages.isEmpty());
    }

    void outOfMemoryFolderStepShowsTheWarning()
    {
        ShellFixture fixture;
        shell::setProgramFolderLocator([]() -> QString { throw std::bad_alloc(); });
        QCOMPARE(SetProgramFolder(), OutOfMemory);
        OpenScreen<frmYoga>();
        QCOMPARE(fixture.messages, QStringList{QStringLiteral(
            "You are short on Memory.\r\nSettings might need adjusting,or Computer might need more RAM.")});
        QCOMPARE(fixture.captions, QStringList{QStringLiteral("Vireka")});
        QVERIFY(slot<frmYoga>()->window()->isVisible()); // start-up goes on after the box
    }

    void failedOpeningIsReportedAndEndsTheProgram()
    {
        ShellFixture fixture;
        TestEscaping &screen = OpenScreen<TestEscaping>();
        // Opening from a click runs inside event delivery, where uncaught failures are reported.
        auto *label = screen.control<LabelControl>("lblClose");
        QObject::disconnect(label, nullptr, nullptr, nullptr);
        QObject::connect(label, &LabelControl::clicked, [] { OpenScreen<TestBroken>(); });
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(fixture.captions, QStringList{QStringLiteral("Vireka")});
        QVERIFY(fixture.messages.value(0).contains(QStringLiteral("cannot load")));
        QVERIFY(shell::programEnded());
    }

    void screenTableHoldsEveryScreenOnce()
    {
        const auto screens = screenTable();
        QSet<QString> names;
        int escapes = 0, folders = 0, icons = 0, maximised = 0;
        for (const ScreenSpec &screen : screens) {
            names.insert(QString::fromLatin1(screen.name));
            escapes += screen.escape == EscapeRule::EndsProgram;
            folders += screen.setsProgramFolder;
            icons += screen.programIcon;
            maximised += screen.maximised;
        }
        QCOMPARE(screens.size(), std::size_t(30));
        QCOMPARE(names.size(), 30);
        QCOMPARE(escapes, 20);
        QCOMPARE(folders, 16);
        QCOMPARE(icons, 15);
        QCOMPARE(maximised, 4);
        QCOMPARE(screenSpec("frmAbout").escape, EscapeRule::CancelButton);
        QVERIFY(!screenSpec("frmAbout").showInTaskbar);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, screenSpec("frmNowhere"));
    }

    void twipsRoundHalfAwayFromZero()
    {
        QCOMPARE(twipsToPixels(9480), 632);
        QCOMPARE(twipsToPixels(7), 0);
        QCOMPARE(twipsToPixels(8), 1);
        QCOMPARE(twipsToPixels(7812), 521);
        QCOMPARE(twipsToPixels(-8), -1);
        QCOMPARE(twipsToPixels(-7), 0);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell.moc"
