// What every screen shares, one row per screen of the program: it loads (so all its handlers bind),
// its window follows the screen table, its close control, close box and Escape behave as the table
// says, its Load makes the program folder current where the table asks, and every link of its link
// table loads its document by the screen's rule. A new screen adds itself to AllScreens and gets
// every row here.

#include "AllScreens.h"
#include "Application.h"
#include "ScreenTest.h"
#include "Units.h"

#include <QDir>
#include <QSet>

using namespace vireka;
using namespace vireka::test;

namespace {

const ScreenSpec keeperSpec{.caption = "Keeper", .clientWidth = 1500, .clientHeight = 1500};

// Another open screen, so that closing the screen under test does not end the program.
class TestKeeper : public Screen {
public:
    TestKeeper() : Screen(keeperSpec) {}
};

} // namespace

class EveryScreenTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    // The program has 30 screens, each registered once under its own class.
    void everyScreenIsRegisteredOnce()
    {
        QSet<const ScreenSpec *> rows;
        QSet<QString> names;
        for (const ScreenClass &screen : allScreens()) {
            rows.insert(&screen.spec);
            names.insert(QString::fromLatin1(screen.name));
        }
        QCOMPARE(rows.size(), 30);
        QCOMPARE(names.size(), 30);
    }

    void windowFollowsTheTable_data() { addScreenRows(); }
    void windowFollowsTheTable()
    {
        QFETCH(QString, name);
        const ScreenClass &type = screenNamed(name);
        const ScreenSpec &spec = type.spec;
        Screen &screen = type.open();
        QWidget *window = screen.window();
        if (*spec.caption)
            QCOMPARE(window->windowTitle(), QString::fromLatin1(spec.caption));
        QCOMPARE(window->isMaximized(), spec.maximised);
        if (!spec.maximised)
            QCOMPARE(screen.client()->size(), QSize(twipsToPixels(spec.clientWidth), twipsToPixels(spec.clientHeight)));
        QCOMPARE(!window->windowIcon().isNull(), spec.programIcon);
        for (int pixels : {16, 32, 48, 64, 128, 256}) // task switchers want more than the icon file's 32
            QCOMPARE(window->windowIcon().availableSizes().contains(QSize(pixels, pixels)), spec.programIcon);
        const Qt::WindowFlags flags = window->windowFlags();
        QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), spec.buttons != TitleButtons::None);
        QCOMPARE(bool(flags & Qt::WindowMinMaxButtonsHint), spec.buttons == TitleButtons::All);
        QCOMPARE((flags & Qt::WindowType_Mask) == Qt::Dialog, spec.border == Border::FixedDialog);
        QCOMPARE(window->minimumSize() == window->maximumSize(), spec.border != Border::Sizable);
        QCOMPARE(screen.client()->focusPolicy(), Qt::NoFocus);
    }

    // A caption meant for one line fits its field: condensed where need be, never wrapped or cut.
    void singleLineCaptionsFitTheirFields_data() { addScreenRows(); }
    void singleLineCaptionsFitTheirFields()
    {
        QFETCH(QString, name);
        Screen &screen = screenNamed(name).open();
        for (const LabelControl *label : screen.client()->findChildren<LabelControl *>()) {
            const QByteArray caption = label->caption().toUtf8();
            QVERIFY2(label->width() <= label->fieldWidth(), caption.constData());
            const int inset = label->bordered() ? 2 : 0;
            const QFontMetricsF metrics(label->font());
            if (label->caption().contains(QLatin1Char('\n')) || label->height() - inset >= 2 * metrics.lineSpacing())
                continue;
            QVERIFY2(metrics.horizontalAdvance(label->caption()) <= label->width() - inset, caption.constData());
        }
    }

    // Controls that promise to cover themselves spare their parent's painting beneath them; one that
    // then leaves a pixel unpainted shows whatever the window held there before.
    void everyPixelIsPainted_data() { addScreenRows(); }
    void everyPixelIsPainted()
    {
        QFETCH(QString, name);
        Screen &screen = screenNamed(name).open();
        const QColor unpainted(255, 0, 254);
        QImage canvas(screen.client()->size(), QImage::Format_RGB32);
        canvas.fill(unpainted);
        screen.client()->render(&canvas, {}, {}, QWidget::DrawWindowBackground | QWidget::DrawChildren);
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixelColor(x, y) == unpainted)
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is not painted").arg(x).arg(y)));
    }

    void closeControlUnloadsAndReopensFresh_data() { addScreenRows(); }
    void closeControlUnloadsAndReopensFresh()
    {
        QFETCH(QString, name);
        const ScreenClass &type = screenNamed(name);
        if (!type.spec.closedBy)
            QSKIP("closed with the close box only");
        OpenScreen<TestKeeper>();
        Screen &first = type.open();
        QVERIFY(click(first, type.spec.closedBy));
        QVERIFY(!type.instance() || !type.instance()->isLoaded());
        QCOMPARE(fixture.endings, 0);
        ShellFixture::flushDeletes();
        Screen &again = type.open();
        QVERIFY(again.isLoaded());
        QVERIFY(again.window()->isVisible());
    }

    void closeBoxUnloadsButKeepsTheSlot_data() { addScreenRows(); }
    void closeBoxUnloadsButKeepsTheSlot()
    {
        QFETCH(QString, name);
        const ScreenClass &type = screenNamed(name);
        OpenScreen<TestKeeper>();
        Screen &screen = type.open();
        if (type.spec.buttons == TitleButtons::None) {
            // A window manager may draw a close box all the same: it must not close the screen.
            QVERIFY(!screen.window()->close());
            QVERIFY(screen.isLoaded());
            return;
        }
        QVERIFY(screen.window()->close());
        QVERIFY(!screen.isLoaded());
        QCOMPARE(type.instance(), &screen);
        ShellFixture::flushDeletes();
        QCOMPARE(&type.open(), &screen);
        QVERIFY(screen.isLoaded());
    }

    void escapeFollowsTheTable_data() { addScreenRows(); }
    void escapeFollowsTheTable()
    {
        QFETCH(QString, name);
        const ScreenClass &type = screenNamed(name);
        OpenScreen<TestKeeper>();
        Screen &screen = type.open();
        QTest::keyClick(keyTarget(screen), Qt::Key_Escape);
        switch (type.spec.escape) {
        case EscapeRule::EndsProgram:
            QVERIFY(!type.instance());
            QCOMPARE(fixture.endings, 1);
            break;
        case EscapeRule::CancelButton:
            QVERIFY(!screen.isLoaded());
            QCOMPARE(fixture.endings, 0);
            break;
        case EscapeRule::None:
            QVERIFY(screen.isLoaded());
            QCOMPARE(fixture.endings, 0);
            break;
        }
    }

    void loadMakesTheProgramFolderCurrentWhereAsked_data() { addScreenRows(); }
    void loadMakesTheProgramFolderCurrentWhereAsked()
    {
        QFETCH(QString, name);
        const ScreenClass &type = screenNamed(name);
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        const QString before = QDir::currentPath();
        type.open();
        QCOMPARE(QDir::currentPath(), type.spec.setsProgramFolder ? QDir(fixture.folder()).canonicalPath() : before);
    }

    void everyLinkLoadsItsDocumentByTheScreensRule_data() { test::addLinkRows(); }
    void everyLinkLoadsItsDocumentByTheScreensRule()
    {
        QFETCH(QString, name);
        QFETCH(QString, link);
        QFETCH(QString, file);
        const ScreenClass &type = screenNamed(name);
        const LinkTable &links = type.links;
        const QByteArray linkName = link.toLatin1();
        Screen &screen = type.open();

        fixture.writeFile(file, rtf("first"));
        QVERIFY(click(screen, linkName.constData()));
        QCOMPARE(shown(screen, links.area), QStringLiteral("first"));
        // What a failed load leaves depends on whether the screen clears before loading.
        const QString afterFailure = links.rule == LoadRule::ClearFirst ? QString() : QStringLiteral("first");
        QFile::remove(QDir(fixture.folder()).filePath(file));
        QVERIFY(click(screen, linkName.constData()));
        QCOMPARE(shown(screen, links.area), afterFailure);
        fixture.writeFile(file, "plain words, not rich text");
        QVERIFY(click(screen, linkName.constData()));
        QCOMPARE(shown(screen, links.area), afterFailure);

        fixture.writeFile(file, rtf(file.toLatin1()));
        QVERIFY(click(screen, linkName.constData()));
        QCOMPARE(shown(screen, links.area), file);
        QVERIFY(fixture.messages.isEmpty());
    }

    // Every document a screen loads ships in the program folder, and every document there is loaded
    // by some screen. Names differing only in case would be one file on some file systems.
    void linkTablesAndTheFolderAgree()
    {
        QStringList loaded = {QStringLiteral("CopyLiab.rtf")}; // the disclaimer's NextPage shows it
        for (const ScreenClass &screen : allScreens()) {
            // A screen may open with a document that one of its links loads again.
            QStringList files;
            if (screen.spec.opens.file)
                files << QString::fromLatin1(screen.spec.opens.file);
            for (const DocumentLink &link : screen.links.rows)
                files << QString::fromLatin1(link.file);
            files.removeDuplicates();
            for (const QString &file : files) {
                QCOMPARE(file[0], QLatin1Char('\\'));
                loaded << file.mid(1);
            }
        }
        QSet<QString> folded;
        for (const QString &name : loaded) {
            QVERIFY2(!folded.contains(name.toLower()), qPrintable(name + " is loaded twice"));
            folded.insert(name.toLower());
        }
        const QStringList shipped = QDir(QStringLiteral(VIREKA_CONTENT_DIR "/documents")).entryList({"*.rtf"}, QDir::Files);
        for (const QString &name : loaded)
            QVERIFY2(shipped.contains(name), qPrintable(name + " does not ship (names are case-sensitive)"));
        for (const QString &name : shipped)
                QVERIFY2(loaded.contains(name), qPrintable(name + " is loaded by no screen"));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    EveryScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_every_screen.moc"
