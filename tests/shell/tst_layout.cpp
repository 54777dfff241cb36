// The layout model: what a table row turns into on screen, and how the control kinds behave.

#include "Application.h"
#include "Colour.h"
#include "Palette.h"
#include "DocumentArea.h"
#include "Fonts.h"
#include "ImageControl.h"
#include "LabelControl.h"
#include "LineControl.h"
#include "PictureBoxControl.h"
#include "ListBoxControl.h"
#include "ScreenTest.h"

#include <QListWidget>
#include <QPointer>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using namespace vireka;
using namespace vireka::test;

namespace {

using namespace colours;

const char *const fruits[] = {"Banana", "Apple", "Cherry"};

// Overlapping controls in table order, topmost first; the list is windowed, so it lies above both
// labels although it comes last.
const ControlSpec overlapLayout[] = {
    {.name = "lblTop", .caption = "top", .left = 0, .top = 0, .width = 1500, .height = 1500, .backColor = Red},
    {.name = "lblBelow", .caption = "below", .left = 750, .top = 750, .width = 1500, .height = 1500,
     .backColor = BrightBlue},
    {.name = "lblWrapped", .caption = "one two three four five six seven eight nine ten", .left = 3000,
     .top = 0, .width = 900, .height = 255, .wordWrap = true, .autoSize = true},
    {.name = "lblHidden", .caption = "", .left = 3000, .top = 3000, .width = 600, .height = 200, .autoSize = true,
     .visible = false},
    {.name = "Image1", .kind = ControlKind::Image, .left = 4500, .top = 0, .width = 1500, .height = 900,
     .stretch = true},
    {.name = "Image2", .kind = ControlKind::Image, .left = 4500, .top = 1500, .width = 3000, .height = 3000},
    {.name = "Line1", .kind = ControlKind::Line, .line = {0, 4500, 3000, 4500}, .foreColor = Red, .borderWidth = 2,
     .index = 0},
    {.name = "cmdGo", .kind = ControlKind::CommandButton, .caption = "Go", .left = 6000, .top = 4500,
     .width = 1200, .height = 400, .tabIndex = 3},
    {.name = "Text1", .kind = ControlKind::TextBox, .caption = "first\r\nsecond", .left = 7500, .top = 0,
     .width = 1500, .height = 900, .alignment = Align::Centre, .scrollBars = ScrollBars::Vertical, .tabIndex = 2},
    {.name = "lstFruit", .kind = ControlKind::ListBox, .left = 1500, .top = 1500, .width = 1500, .height = 1500,
     .backColor = Navy, .foreColor = Yellow, .items = fruits, .tabIndex = 1},
    {.name = "Picture1", .kind = ControlKind::PictureBox, .left = 7500, .top = 1500, .width = 300, .height = 300,
     .autoSize = true, .tabIndex = 4},
};

const ScreenSpec layoutSpec{.caption = "Layout", .clientWidth = 9480, .clientHeight = 6000,
                            .backColor = Black, .maximised = true, .controls = overlapLayout};

} // namespace

class TestLayout : public Screen {
    Q_OBJECT
public:
    TestLayout() : Screen(layoutSpec) {}
};

namespace {

// The control of the table that lies on top at `point`, whatever inner widget Qt finds there.
QString controlAt(QWidget *client, QPoint point)
{
    QWidget *widget = client->childAt(point);
    while (widget && widget->parentWidget() != client)
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
}

// Menu commands, a default button beside an ordinary one, and the custom pointer.
const ControlSpec commandLayout[] = {
    {.name = "mnuNext", .kind = ControlKind::Menu, .caption = "NextPage"},
    {.name = "mnuClose", .kind = ControlKind::Menu, .caption = "Close"},
    {.name = "lblLink", .caption = "link", .left = 0, .top = 0, .width = 1500, .height = 300,
     .mousePointer = PointerCustom},
    {.name = "Text1", .kind = ControlKind::TextBox, .left = 0, .top = 600, .width = 3000, .height = 900,
     .tabIndex = 0},
    {.name = "cmdOK", .kind = ControlKind::CommandButton, .caption = "OK", .left = 0, .top = 1800, .width = 1200,
     .height = 400, .isDefault = true, .tabIndex = 1},
    {.name = "cmdOther", .kind = ControlKind::CommandButton, .caption = "Other", .left = 1500, .top = 1800,
     .width = 1200, .height = 400, .tabIndex = 2},
};

const ScreenSpec commandSpec{.caption = "Commands", .clientWidth = 4500,
                             .clientHeight = 3000, .mousePointer = PointerCustom, .controls = commandLayout};

const ControlSpec storedLayout[] = {
    {.name = "rtfText", .kind = ControlKind::DocumentArea, .left = 0, .top = 0, .width = 3000, .height = 1500,
     .scrollBars = ScrollBars::Vertical, .stored = "testStored/rtfText.rtf", .tabIndex = 0},
    {.name = "rtfNone", .kind = ControlKind::DocumentArea, .left = 0, .top = 1500, .width = 3000, .height = 1500,
     .stored = "testStored/missing.rtf", .tabIndex = 1},
};
const ScreenSpec storedSpec{.caption = "Stored", .clientWidth = 4500, .clientHeight = 3000,
                            .setsProgramFolder = true, .controls = storedLayout};

} // namespace

class TestStored : public Screen {
    Q_OBJECT
public:
    TestStored() : Screen(storedSpec) {}
};

class TestCommands : public Screen {
    Q_OBJECT
public:
    TestCommands() : Screen(commandSpec) {}
    QStringList ran;

private slots:
    void mnuNext_Click() { ran << QStringLiteral("mnuNext"); }
    void mnuClose_Click() { ran << QStringLiteral("mnuClose"); }
    void cmdOK_Click() { ran << QStringLiteral("cmdOK"); }
    void cmdOther_Click() { ran << QStringLiteral("cmdOther"); }
};

namespace {

QImage solid(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class LayoutTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void coloursAreStoredRedInTheLowByte()
    {
        QCOMPARE(RGB(0, 0, 192), Colour(0x00C00000));
        QCOMPARE(toQColor(RGB(255, 0, 0)), QColor(255, 0, 0));
        QCOMPARE(toQColor(0x00FFFF80), QColor(128, 255, 255));
        QPalette palette;
        palette.setColor(QPalette::Base, QColor(1, 2, 3));
        palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
        QCOMPARE(toQColor(SystemWindowBackground, palette), QColor(1, 2, 3));
        QCOMPARE(toQColor(SystemButtonText, palette), QColor(4, 5, 6));
    }

    void fontsUsePixelSizesAndSubstitutes()
    {
        const QFont font = toQFont(SansBold(9.75));
        QCOMPARE(font.pixelSize(), 13);
        QCOMPARE(font.weight(), QFont::Bold);
        QCOMPARE(fontPixelSize(8.25), 11);
        QCOMPARE(fontPixelSize(13.5), 18);
        QCOMPARE(fontPixelSize(17.25), 23);
        QCOMPARE(QFontInfo(toQFont(Sans(12))).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(toQFont({"Times New Roman", 24, true, true})).family(),
                 QStringLiteral("Liberation Serif"));
    }

    void stackingPutsWindowedAboveWindowlessInTableOrder()
    {
        TestLayout &screen = OpenScreen<TestLayout>();
        QWidget *client = screen.client();
        // Where the two labels overlap, the first one in the table is on top.
        QCOMPARE(controlAt(client, {60, 60}), QStringLiteral("lblTop"));
        // Where the list overlaps both labels, the windowed list is on top.
        QCOMPARE(controlAt(client, {105, 105}), QStringLiteral("lstFruit"));
        QCOMPARE(controlAt(client, {10, 10}), QStringLiteral("lblTop"));
    }

    void focusGoesToLowestTabIndexAndTabFollowsIt()
    {
        TestLayout &screen = OpenScreen<TestLayout>();
        QApplication::setActiveWindow(screen.window());
        QVERIFY(QTest::qWaitForWindowActive(screen.window()));
        QCOMPARE(QApplication::focusWidget(), (&screen.control<QWidget>("lstFruit")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), (&screen.control<QWidget>("Text1")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), (&screen.control<QWidget>("cmdGo")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), (&screen.control<QWidget>("Text1")));
        QCOMPARE((&screen.control<QWidget>("lblTop"))->focusPolicy(), Qt::NoFocus);
    }

    void labelClickCountsOncePerClickAndDoubleClick()
    {
        TestLayout &screen = OpenScreen<TestLayout>();
        auto *label = (&screen.control<LabelControl>("lblTop"));
        QSignalSpy clicks(label, &LabelControl::clicked);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(90, 90));
        QCOMPARE(clicks.count(), 1);
        QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        QTest::mouseClick(label, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 2);
    }

    void hiddenLabelStillRaisesChange()
    {
        TestLayout &screen = OpenScreen<TestLayout>();
        auto *hidden = (&screen.control<LabelControl>("lblHidden"));
        QVERIFY(!hidden->isVisible());
        QSignalSpy changes(hidden, &LabelControl::changed);
        hidden->setCaption(QStringLiteral("Nauli"));
        hidden->setCaption(QStringLiteral("Nauli"));
        hidden->setCaption(QStringLiteral("Padmasana"));
        QCOMPARE(changes.count(), 2);
        QCOMPARE(hidden->caption(), QStringLiteral("Padmasana"));
    }

    void autoSizedWrappingLabelGrowsDownAtItsWidth()
    {
        TestLayout &screen = OpenScreen<TestLayout>();
        auto *label = (&screen.control<LabelControl>("lblWrapped"));
        QCOMPARE(label->width(), 60);
        QVERIFY2(label->height() > 3 * QFontMetrics(label->font()).height() - 1, "wrapped onto several lines");
        QCOMPARE(label->pos(), QPoint(200, 0));
    }

    void imagesStretchOrTakeTheirPicturesSize()
    {
        TestLayout &screen = OpenScreen<TestLayout>();
        auto *stretched = (&screen.control<ImageControl>("Image1"));
        stretched->setPicture(solid(300, 20, Qt::green));
        QCOMPARE(stretched->size(), QSize(100, 60));
        QCOMPARE(QColor::fromRgb(stretched->grab().toImage().pixel(50, 55)), QColor(Qt::green));

        auto *natural = (&screen.control<ImageControl>("Image2"));
        natural->setPicture(solid(150, 180, Qt::red));
        QCOMPARE(natural->size(), QSize(150, 180));
        natural->setPicture(solid(20, 30, Qt::blue));
        QCOMPARE(natural->geometry(), QRect(300, 100, 20, 30));
    }

    void otherKindsFollowTheirRows()
    {
        TestLayout &screen = OpenScreen<TestLayout>();
        QVERIFY((&screen.control<LineControl>("Line1(0)")));
        QCOMPARE((&screen.control<LineControl>("Line1(0)"))->ends(), QLine(0, 300, 200, 300));

        auto *text = (&screen.control<QTextEdit>("Text1"));
        QCOMPARE(text->toPlainText(), QStringLiteral("first\nsecond"));
        QVERIFY(!text->isReadOnly());
        QCOMPARE(text->document()->defaultTextOption().alignment(), Qt::AlignHCenter);

        auto *list = (&screen.control<QListWidget>("lstFruit"));
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Banana")); // stored order, not sorted
        QCOMPARE(list->palette().color(QPalette::Base), QColor(0, 0, 128));

        auto *box = (&screen.control<PictureBoxControl>("Picture1"));
        box->setPicture(solid(40, 30, Qt::yellow));
        QCOMPARE(box->size(), QSize(40 + 2 * box->frameWidth(), 30 + 2 * box->frameWidth()));

        // A button's edge runs round its whole rectangle; as the default one, inside a black frame.
        auto &button = screen.control<QPushButton>("cmdGo");
        const auto edges = [&button] {
            const QImage shot = button.grab().toImage();
            const int y = shot.height() / 2, right = shot.width() - 1;
            return QList<QColor>{shot.pixelColor(0, y), shot.pixelColor(1, y), shot.pixelColor(right - 1, y),
                                 shot.pixelColor(right, y)};
        };
        const QColor white(255, 255, 255), face(192, 192, 192), grey(128, 128, 128), black(0, 0, 0);
        QCOMPARE(edges(), (QList<QColor>{white, face, grey, black}));
        button.setDefault(true);
        QCOMPARE(edges(), (QList<QColor>{black, white, black, black}));
    }

    void listSelectionByKeyboardIsAClick()
    {
        TestLayout &screen = OpenScreen<TestLayout>();
        auto *list = (&screen.control<QListWidget>("lstFruit"));
        QSignalSpy clicks(list, &QListWidget::itemSelectionChanged);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_C);
        QVERIFY(clicks.count() >= 2);
        QCOMPARE(list->selectedItems().value(0)->text(), QStringLiteral("Cherry"));
    }

    void menuCommandsRunTheirHandlers()
    {
        TestCommands &screen = OpenScreen<TestCommands>();
        QVERIFY(screen.menuBar());
        const auto commands = screen.menuBar()->actions();
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands.at(0)->text(), QStringLiteral("NextPage"));
        QVERIFY(!commands.at(0)->menu()); // top-level commands, no drop-down lists
        commands.at(1)->trigger();
        QCOMPARE(screen.ran, QStringList{QStringLiteral("mnuClose")});
        QCOMPARE(screen.client()->height(), 200); // the client area lies below the menu bar
    }

    void enterPressesTheDefaultButtonUnlessAnotherHasTheFocus()
    {
        TestCommands &screen = OpenScreen<TestCommands>();
        QTest::keyClick((&screen.control<QTextEdit>("Text1")), Qt::Key_Return);
        QCOMPARE(screen.ran, QStringList{QStringLiteral("cmdOK")});
        QVERIFY((&screen.control<QTextEdit>("Text1"))->toPlainText().isEmpty());
        auto *other = (&screen.control<QPushButton>("cmdOther"));
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(screen.ran.last(), QStringLiteral("cmdOther"));
        QCOMPARE(screen.ran.size(), 2);
    }

    void customPointerOnTheScreenAndOnItsOwnControls()
    {
        TestCommands &screen = OpenScreen<TestCommands>();
        QCOMPARE((&screen.control<QWidget>("lblLink"))->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(screen.client()->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(screen.mousePointer(), PointerCustom);
        screen.setMousePointer(PointerDefault);
        QCOMPARE(screen.mousePointer(), PointerDefault);
        QCOMPARE(screen.client()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE((&screen.control<QWidget>("lblLink"))->cursor().shape(), Qt::BitmapCursor); // its own pointer
    }

    void storedDocumentsShowUntilReplacedAndComeBackOnReopening()
    {
        fixture.writeFile("Doc.rtf", rtf("loaded"));
        TestStored &screen = OpenScreen<TestStored>();
        QCOMPARE(shown(screen, "rtfText"), QStringLiteral("Stored first text"));
        QVERIFY(shown(screen, "rtfNone").isEmpty()); // a stored text that is missing shows nothing
        const QTextCharFormat format = screen.control<DocumentArea>("rtfText").document()->begin().begin().fragment().charFormat();
        QCOMPARE(format.foreground().color(), QColor(255, 0, 0));
        QCOMPARE(format.fontWeight(), int(QFont::Bold));
        LoadDocument(screen.control<DocumentArea>("rtfText"), QStringLiteral("\\Missing.rtf"));
        QCOMPARE(shown(screen, "rtfText"), QStringLiteral("Stored first text"));
        ClearDocument(screen.control<DocumentArea>("rtfText"));
        QVERIFY(shown(screen, "rtfText").isEmpty());
        LoadDocument(screen.control<DocumentArea>("rtfText"), QStringLiteral("\\Doc.rtf"));
        QCOMPARE(shown(screen, "rtfText"), QStringLiteral("loaded"));
        CloseScreen<TestStored>();
        ShellFixture::restart();
        QCOMPARE(shown(OpenScreen<TestStored>(), "rtfText"), QStringLiteral("Stored first text"));
    }

    // A document given while the area is hidden (as its screen is built) waits for the area to be
    // shown: the last one given shows, laid out at the area's own width; one cleared never shows.
    void documentsGivenWhileHiddenWaitForTheAreaToShow()
    {
        DocumentArea area(nullptr);
        area.resize(300, 120);
        auto give = [&area](const QString &text) {
            QTextDocument *document = area.newDocument();
            document->setPlainText(text);
            area.showDocument(document);
            return QPointer<QTextDocument>(document);
        };
        const QPointer<QTextDocument> first = give(QStringLiteral("first"));
        give(QStringLiteral("second"));
        QVERIFY(first.isNull()); // replaced before it was ever shown
        area.show();
        QCOMPARE(area.toPlainText(), QStringLiteral("second"));
        QCOMPARE(area.document()->pageSize().width(), qreal(area.viewport()->width()));

        area.hide();
        const QPointer<QTextDocument> third = give(QStringLiteral("third"));
        ClearDocument(area);
        QVERIFY(third.isNull());
        area.show();
        QVERIFY(area.toPlainText().isEmpty());
    }

    void maximisedScreenKeepsControlsAtTheirPlaces()
    {
        TestLayout &screen = OpenScreen<TestLayout>();
        QVERIFY(screen.window()->isMaximized());
        QCOMPARE((&screen.control<QWidget>("lblBelow"))->geometry(), QRect(50, 50, 100, 100));
        QCOMPARE((&screen.control<QWidget>("cmdGo"))->geometry(), QRect(400, 300, 80, 27));
        const QImage shot = screen.window()->grab().toImage();
        QCOMPARE(shot.pixelColor(shot.width() - 5, shot.height() - 5), QColor(0, 0, 0));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    LayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout.moc"
