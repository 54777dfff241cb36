// What a screen reader finds on every screen: each control has a name; link labels are links whose
// press action runs their Click; document areas and text boxes give their text.
#include "AllScreens.h"
#include "Application.h"
#include "ControlBuilder.h"
#include "ScreenTest.h"

#include <QAccessible>
#include <QMenuBar>
#include <QSignalSpy>

using namespace vireka;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

bool isLink(LabelControl *label)
{
    return label && label->hasClickHandler();
}

} // namespace

class Accessibility : public test::ScreenTestCase {
    Q_OBJECT

private slots:
    void everyControlHasAName_data() { test::addScreenRows(); }

    void everyControlHasAName()
    {
        QFETCH(QString, name);
        Screen &screen = screenClass(name.toStdString())->open();
        QAccessibleInterface *window = accessible(screen.window());
        QVERIFY(window);
        QCOMPARE(window->text(QAccessible::Name), QString::fromLatin1(screen.spec().caption));

        int checked = 0;
        for (QWidget *control : screen.client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QAccessibleInterface *iface = accessible(control);
            QVERIFY2(iface, qPrintable(control->objectName()));
            const QString what = control->objectName();
            auto *label = qobject_cast<LabelControl *>(control);
            // A line says nothing, and neither does a hidden control or a plain label left empty
            // until the screen writes into it (a credit line before a photograph is chosen).
            if (iface->role() == QAccessible::Separator || control->isHidden() ||
                (label && !isLink(label) && label->caption().isEmpty()))
                continue;
            QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what + " has no name"));
            if (isLink(label)) {
                QCOMPARE(iface->role(), QAccessible::Link);
                QCOMPARE(iface->text(QAccessible::Name), label->caption().simplified());
                QVERIFY2(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                         qPrintable(what));
            } else if (label) {
                QCOMPARE(iface->role(), QAccessible::StaticText);
            }
            if (iface->role() == QAccessible::Graphic)
                QVERIFY2(iface->text(QAccessible::Name) != QLatin1String("Picture"),
                         qPrintable(what + ": its picture is missing from the descriptions"));
            ++checked;
        }
        if (QMenuBar *bar = screen.menuBar()) {
            QAccessibleInterface *menu = accessible(bar);
            for (int i = 0; i < menu->childCount(); ++i)
                QVERIFY(!menu->child(i)->text(QAccessible::Name).trimmed().isEmpty());
        }
        QVERIFY(checked > 0);
    }

    // A screen is a frame (the About box a dialog), and a screen reader meets its controls top to
    // bottom and left to right, not in stacking order.
    void aScreenIsAFrameReadInReadingOrder_data() { test::addScreenRows(); }
    void aScreenIsAFrameReadInReadingOrder()
    {
        QFETCH(QString, name);
        Screen &screen = screenClass(name.toStdString())->open();
        const bool dialog = screen.spec().border == Border::FixedDialog;
        QCOMPARE(accessible(screen.window())->role(), dialog ? QAccessible::Dialog : QAccessible::Window);
        QAccessibleInterface *client = accessible(screen.client());
        QCOMPARE(client->childCount(), int(screen.client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size()));
        auto corner = [client](int i) {
            const QPoint at = static_cast<QWidget *>(client->child(i)->object())->pos();
            return std::pair(at.y(), at.x());
        };
        for (int i = 0; i < client->childCount(); ++i) {
            QCOMPARE(client->indexOfChild(client->child(i)), i);
            QVERIFY2(i == 0 || corner(i - 1) <= corner(i), qPrintable(client->child(i)->object()->objectName()));
        }
    }

    void pressingALinkRunsItsClick_data() { test::addLinkRows(); }

    void pressingALinkRunsItsClick()
    {
        // The screen reader's press loads the document, as a click does; the area then gives the
        // document's first line as its name and the whole text through its text interface.
        QFETCH(QString, name);
        QFETCH(QString, link);
        QFETCH(QString, file);
        const ScreenClass *type = screenClass(name.toStdString());
        Screen &screen = type->open();
        fixture.writeFile(file, test::rtf("Heading of " + file.toLatin1() + "\\par Body text."));
        auto &label = screen.control<LabelControl>(link.toLatin1().constData());
        QSignalSpy clicks(&label, &LabelControl::clicked);
        accessible(&label)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);

        auto &area = screen.control<DocumentArea>(type->links.area);
        QAccessibleInterface *areaInterface = accessible(&area);
        QCOMPARE(areaInterface->text(QAccessible::Name), QStringLiteral("Heading of ") + file);
        QAccessibleTextInterface *text = areaInterface->textInterface();
        QVERIFY(text);
        QVERIFY(text->text(0, text->characterCount()).contains(QStringLiteral("Body text.")));
    }

    void aLabelWithoutClickIsNoLink()
    {
        // A label nobody listens to is plain text and cannot be pressed.
        QWidget client;
        const ControlSpec spec{.name = "Label1", .caption = "Plain  words", .width = 1500, .height = 300};
        BuiltControls built = buildControls(LayoutTable(&spec, 1), &client, nullptr);
        QAccessibleInterface *iface = accessible(built.byName.value("Label1"));
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Plain words"));
        QVERIFY(iface->actionInterface()->actionNames().isEmpty());
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    Accessibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
