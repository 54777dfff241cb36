// The shell as screens meet it: slots, opening and closing, the close box, Escape, the end of the
// program, the folder step and its memory warning, binding handlers by name, and failures that no
// screen catches.

#include "Application.h"
#include "ScreenSpec.h"
#include "ScreenTest.h"
#include "Units.h"
#include "menu/frmYoga.h"

#include <QCloseEvent>
#include <QDir>
#include <QSet>

#include <new>
#include <stdexcept>

using namespace vireka;
using namespace vireka::test;

namespace {

const ControlSpec plainLayout[] = {
    {.name = "lblClose", .caption = "Close", .left = 0, .top = 0, .width = 900, .height = 300},
    {.name = "Image1", .kind = ControlKind::Image, .left = 0, .top = 300, .width = 900, .height = 300},
    {.name = "rtfText", .kind = ControlKind::DocumentArea, .left = 0, .top = 600, .width = 3000, .height = 1500,
     .scrollBars = ScrollBars::Vertical, .tabIndex = 0},
};

const ScreenSpec escapingSpec{.caption = "Escaping", .clientWidth = 4500,
                              .clientHeight = 3000, .escape = EscapeRule::EndsProgram,
                              .setsProgramFolder = true, .controls = plainLayout};
const ScreenSpec quietSpec{.caption = "Quiet", .clientWidth = 4500, .clientHeight = 3000, .controls = plainLayout};

} // namespace

// Counts its Load events and closes itself from its own label, as EXIT labels do.
class TestEscaping : public Screen {
    Q_OBJECT
public:
    TestEscaping() : Screen(escapingSpec) {}
    int loads = 0;

private slots:
    void Form_Load()
    {
        SetProgramFolder();
        ++loads;
    }
    void lblClose_Click() { CloseScreen<TestEscaping>(); }
};

class TestQuiet : public Screen {
    Q_OBJECT
public:
    TestQuiet() : Screen(quietSpec) {}
};

namespace {
const ControlSpec cancelLayout[] = {
    {.name = "cmdOK", .kind = ControlKind::CommandButton, .caption = "OK", .left = 0, .top = 0, .width = 1200,
     .height = 400, .isDefault = true, .isCancel = true, .tabIndex = 0},
};
const ScreenSpec cancelSpec{.caption = "Cancel", .clientWidth = 3000, .clientHeight = 2000,
                            .escape = EscapeRule::CancelButton, .controls = cancelLayout};
} // namespace

class TestCancel : public Screen {
    Q_OBJECT
public:
    TestCancel() : Screen(cancelSpec) {}

private slots:
    void cmdOK_Click() { CloseScreen<TestCancel>(); }
};

// Fails while loading, as a screen that cannot be built would.
class TestBroken : public Screen {
    Q_OBJECT
public:
    TestBroken() : Screen(quietSpec) {}

private slots:
    void Form_Load() { throw std::runtime_error("cannot load"); }
};

// Handlers whose names do not fit the screen: each must stop the load.
class TestNoSuchControl : public Screen {
    Q_OBJECT
public:
    TestNoSuchControl() : Screen(quietSpec) {}
private slots:
    void lblNowhere_Click() {}
};

class TestWrongEvent : public Screen {
    Q_OBJECT
public:
    TestWrongEvent() : Screen(quietSpec) {}
private slots:
    void Image1_Click() {}
};

class TestMisspeltEvent : public Screen {
    Q_OBJECT
public:
    TestMisspeltEvent() : Screen(quietSpec) {}
private slots:
    void lblClose_Clik() {}
};

class TestSilentKind : public Screen {
    Q_OBJECT
public:
    TestSilentKind() : Screen(quietSpec) {}
private slots:
    void rtfText_Click() {}
};

namespace {
const ControlSpec closeAsLink[] = {
    {.name = "lblClose", .caption = "Close", .left = 0, .top = 0, .width = 900, .height = 300, .loads = "\\Doc.rtf"},
    {.name = "rtfText", .kind = ControlKind::DocumentArea, .left = 0, .top = 600, .width = 3000, .height = 1500},
};
const ScreenSpec doubleBoundSpec{.caption = "Double", .clientWidth = 4500, .clientHeight = 3000,
                                 .controls = closeAsLink, .linkArea = "rtfText"};
} // namespace

// A label that is both a document link and has a Click handler of its own.
class TestDoubleBound : public Screen {
    Q_OBJECT
public:
    TestDoubleBound() : Screen(doubleBoundSpec) {}
private slots:
    void lblClose_Click() {}
};

// Hands Enter to its default button and counts the presses.
class TestDefault : public Screen {
    Q_OBJECT
public:
    TestDefault() : Screen(spec()) {}
    int presses = 0;
    static const ScreenSpec &spec()
    {
        static const ControlSpec layout[] = {
            {.name = "rtfText", .kind = ControlKind::DocumentArea, .left = 0, .top = 600, .width = 3000,
             .height = 1500, .tabIndex = 0},
            {.name = "cmdOK", .kind = ControlKind::CommandButton, .caption = "OK", .left = 0, .top = 0,
             .width = 1200, .height = 400, .isDefault = true, .tabIndex = 1},
        };
        static const ScreenSpec spec{.caption = "Quiet", .clientWidth = 4500, .clientHeight = 3000, .controls = layout};
        return spec;
    }
private slots:
    void cmdOK_Click() { ++presses; }
};

class ShellTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void openingCreatesLoadsAndShows()
    {
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
        fixture.writeFile("Doc.rtf", rtf("kept"));
        TestEscaping &screen = OpenScreen<TestEscaping>();
        auto *area = &screen.control<DocumentArea>("rtfText");
        LoadDocument(*area, "\\Doc.rtf");
        TestEscaping &again = OpenScreen<TestEscaping>();
        QCOMPARE(&again, &screen);
        QCOMPARE(again.loads, 1);
        QCOMPARE(&again.control<DocumentArea>("rtfText"), area);
        QCOMPARE(area->toPlainText().trimmed(), QStringLiteral("kept"));
    }

    void closingFromOwnHandlerEmptiesSlotAndReopensFresh()
    {
        fixture.writeFile("Doc.rtf", rtf("shown"));
        OpenScreen<TestQuiet>(); // keeps the program alive once the tested screen closes
        TestEscaping &first = OpenScreen<TestEscaping>();
        LoadDocument(first.control<DocumentArea>("rtfText"), "\\Doc.rtf");
        QVERIFY(click(first, "lblClose"));
        QVERIFY(!slot<TestEscaping>());
        ShellFixture::flushDeletes();
        TestEscaping &second = OpenScreen<TestEscaping>();
        QCOMPARE(second.loads, 1);
        QVERIFY(second.control<DocumentArea>("rtfText").toPlainText().isEmpty());
        QCOMPARE(fixture.endings, 0);
    }

    void closeBoxUnloadsButKeepsTheSlot()
    {
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
        OpenScreen<TestQuiet>();
        TestEscaping &screen = OpenScreen<TestEscaping>();
        QVERIFY(click(screen, "lblClose"));
        QCOMPARE(fixture.endings, 0);
        slot<TestQuiet>()->window()->close();
        QCOMPARE(fixture.endings, 1);
    }

    void escapeFromFocusedDocumentAreaEndsProgram()
    {
        OpenScreen<TestQuiet>();
        TestEscaping &screen = OpenScreen<TestEscaping>();
        auto *area = &screen.control<DocumentArea>("rtfText");
        area->setFocus();
        QTest::keyClick(area, Qt::Key_Escape);
        QVERIFY(!slot<TestEscaping>());
        QVERIFY(shell::programEnded());
        QCOMPARE(fixture.endings, 1);
    }

    void otherKeysDoNothingAndModifiersDoNotMatter()
    {
        OpenScreen<TestQuiet>();
        TestEscaping &screen = OpenScreen<TestEscaping>();
        auto *area = &screen.control<DocumentArea>("rtfText");
        QTest::keyClick(area, Qt::Key_Return);
        QTest::keyClick(area, Qt::Key_A, Qt::AltModifier);
        QVERIFY(slot<TestEscaping>());
        QCOMPARE(fixture.endings, 0);
        QTest::keyClick(area, Qt::Key_Escape, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(fixture.endings, 1);
    }

    void screensWithoutTheRuleIgnoreEscape()
    {
        TestQuiet &plain = OpenScreen<TestQuiet>();
        QTest::keyClick(&plain.control<DocumentArea>("rtfText"), Qt::Key_Escape);
        QVERIFY(slot<TestQuiet>());
        QVERIFY(plain.isLoaded());
        QCOMPARE(fixture.endings, 0);
    }

    void escapePressesTheCancelButtonOnly()
    {
        OpenScreen<TestQuiet>();
        TestCancel &dialog = OpenScreen<TestCancel>();
        QTest::keyClick(&dialog.control<QPushButton>("cmdOK"), Qt::Key_Escape);
        QVERIFY(!slot<TestCancel>());
        QVERIFY(slot<TestQuiet>());
        QCOMPARE(fixture.endings, 0);
    }

    void noHandlerRunsAfterTheEnd()
    {
        OpenScreen<TestQuiet>();
        TestEscaping &screen = OpenScreen<TestEscaping>();
        EndProgram();
        QVERIFY(click(screen, "lblClose"));
        QVERIFY(slot<TestEscaping>()); // the click's handler did not run
        EndProgram();
        QCOMPARE(fixture.endings, 1);
    }

    void folderStepMakesProgramFolderCurrent()
    {
        QDir::setCurrent(QDir::tempPath());
        OpenScreen<TestEscaping>();
        QCOMPARE(QDir::currentPath(), QDir(fixture.folder()).canonicalPath());
        QVERIFY(fixture.messages.isEmpty());
    }

    void failedFolderStepIsIgnored()
    {
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
        TestEscaping &screen = OpenScreen<TestEscaping>();
        // Opening from a click runs inside event delivery, where uncaught failures are reported.
        auto *label = &screen.control<LabelControl>("lblClose");
        QObject::disconnect(label, nullptr, nullptr, nullptr);
        QObject::connect(label, &LabelControl::clicked, [] { OpenScreen<TestBroken>(); });
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(fixture.captions, QStringList{QStringLiteral("Vireka")});
        QVERIFY(fixture.messages.value(0).contains(QStringLiteral("cannot load")));
        QVERIFY(shell::programEnded());
    }

    void handlersThatFitNoControlStopTheLoad()
    {
        QVERIFY_THROWS_EXCEPTION(std::logic_error, OpenScreen<TestNoSuchControl>());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, OpenScreen<TestWrongEvent>());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, OpenScreen<TestMisspeltEvent>());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, OpenScreen<TestSilentKind>());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, OpenScreen<TestDoubleBound>());
        QCOMPARE(shell::loadedScreenCount(), 0); // nothing half-built stays loaded
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                             [](QWidget *w) { return w->isVisible(); }));
    }

    void aMissingControlFailsLoudly()
    {
        TestQuiet &screen = OpenScreen<TestQuiet>();
        QVERIFY_THROWS_EXCEPTION(std::logic_error, screen.control<LabelControl>("lblNowhere"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, screen.control<LabelControl>("rtfText"));
    }

    void eachKeyPressReachesTheScreenOnce()
    {
        TestDefault &screen = OpenScreen<TestDefault>();
        QTest::keyClick(&screen.control<DocumentArea>("rtfText"), Qt::Key_Return);
        QCOMPARE(screen.presses, 1);
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
