// Every screen measured against plain Qt, in one run:
// - open-to-first-paint of each screen (from OpenScreen until the window's first painting pass is
//   over) against a bare Qt window of the same size with a plain child widget in the place of each
//   control, as a ratio of medians (the screens are opened again and again, so pictures are decoded
//   once); and against the same window built from Qt's stock widgets showing the same texts,
//   pictures and items. The whole table is measured in several rounds, and each screen's ratio is
//   the median of its rounds, so that one noisy moment of a shared machine does not make the worst. Offscreen (the default) this is the program's own work; on a display
//   (QT_QPA_PLATFORM=xcb under X with a window manager) it is what the user waits for;
// - the resident size with every screen open against a bare window per screen plus every built-in
//   picture the screens show decoded (at the size a normal screen draws them), each measured in a
//   fresh child process, as a ratio.
//
//   bench_screens            prints both tables
//   bench_screens --resident screens|bare   (used by the above) prints one process's resident kB

#include "AllScreens.h"
#include "Application.h"
#include "Median.h"
#include "ResidentSize.h"
#include "Screen.h"
#include "ScreenSlots.h"
#include "Shell.h"

#include "ImageControl.h"
#include "LabelControl.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <QTextStream>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

using namespace vireka;
using vireka::bench::median;
using vireka::bench::residentKb;

namespace {

constexpr int Rounds = 3;
constexpr int Runs = 5; // a round's openings of each screen

// Notes the first painting of any widget of one window.
class FirstPaintSpy : public QObject {
public:
    explicit FirstPaintSpy(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    ~FirstPaintSpy() override { qApp->removeEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && receiver->isWidgetType() &&
            static_cast<QWidget *>(receiver)->window() == m_window)
            painted = true;
        return false;
    }

private:
    QWidget *m_window;
};

// Milliseconds from calling `open` until the window it returns has been painted for the first time.
// Offscreen nothing reaches a screen, so the window is rendered at once: the program's own work. On
// a display the window is painted when the window system first shows it: what the user waits for.
template <class Open>
double msToFirstPaint(Open open)
{
    QElapsedTimer timer;
    timer.start();
    QWidget *window = open();
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        // Into one canvas kept for the whole run: a new picture per window would add an allocation
        // of the window's size that the program itself never makes.
        static QImage canvas;
        if (canvas.width() < window->width() || canvas.height() < window->height())
            canvas = QImage(window->size().expandedTo(canvas.size()), QImage::Format_ARGB32_Premultiplied);
        window->render(&canvas);
    } else {
        FirstPaintSpy spy(window);
        QDeadlineTimer patience(10000);
        while (!spy.painted && !patience.hasExpired())
            QCoreApplication::processEvents(); // without waiting, so that no idle time is counted
    }
    return timer.nsecsElapsed() / 1e6;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A window as plain as Qt makes them, with a plain widget filling each of `children`, rendered once.
std::unique_ptr<QWidget> bareWindow(QSize size, const QList<QRect> &children)
{
    auto window = std::make_unique<QWidget>();
    window->resize(size);
    for (const QRect &place : children) {
        auto *child = new QWidget(window.get());
        child->setGeometry(place);
        child->setAutoFillBackground(true);
    }
    window->show();
    return window;
}

// The screen's controls again as Qt's stock widgets with the same texts, pictures and items.
std::unique_ptr<QWidget> stockWindow(Screen &screen)
{
    auto window = std::make_unique<QWidget>();
    window->resize(screen.window()->size());
    for (QWidget *control : screen.client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QWidget *copy = nullptr;
        if (auto *label = qobject_cast<LabelControl *>(control)) {
            auto *stock = new QLabel(label->caption(), window.get());
            stock->setWordWrap(true);
            stock->setFont(label->font());
            copy = stock;
        } else if (auto *image = qobject_cast<ImageControl *>(control)) {
            auto *stock = new QLabel(window.get());
            stock->setPixmap(QPixmap::fromImage(image->picture()));
            stock->setScaledContents(image->stretches());
            copy = stock;
        } else if (auto *list = qobject_cast<QListWidget *>(control)) {
            auto *stock = new QListWidget(window.get());
            for (int i = 0; i < list->count(); ++i)
                stock->addItem(list->item(i)->text());
            copy = stock;
        } else if (auto *text = qobject_cast<QTextEdit *>(control)) {
            copy = new QTextEdit(text->toPlainText(), window.get());
        } else if (auto *button = qobject_cast<QPushButton *>(control)) {
            copy = new QPushButton(button->text(), window.get());
        } else {
            copy = new QWidget(window.get());
        }
        copy->setGeometry(control->geometry());
    }
    window->show();
    return window;
}

QList<QRect> controlPlaces(Screen &screen)
{
    QList<QRect> places;
    for (QWidget *control : screen.client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        places << control->geometry();
    return places;
}

struct ScreenTimes {
    std::vector<double> screenMs, bareMs, stockMs, ratios, stockRatios;
    int controls = 0;
};

// One round: every screen opened `Runs` times, each time beside its bare and its stock window.
void timeOneRound(std::vector<ScreenTimes> &times)
{
    for (std::size_t i = 0; i < allScreens().size(); ++i) {
        const ScreenClass &type = allScreens()[i];
        std::vector<double> screenMs, bareMs, stockMs;
        QSize size;
        QList<QRect> places;
        for (int run = 0; run < Runs; ++run) {
            Screen *screen = nullptr;
            screenMs.push_back(msToFirstPaint([&] { return (screen = &type.open())->window(); }));
            size = screen->window()->size();
            places = controlPlaces(*screen);
            std::unique_ptr<QWidget> stock;
            stockMs.push_back(msToFirstPaint([&] { return (stock = stockWindow(*screen)).get(); }));
            stock.reset();
            type.close();
            settle();
            shell::resetForTests();

            std::unique_ptr<QWidget> bare;
            bareMs.push_back(msToFirstPaint([&] { return (bare = bareWindow(size, places)).get(); }));
            bare.reset();
            settle();
        }
        ScreenTimes &screen = times[i];
        screen.controls = int(places.size());
        screen.screenMs.push_back(median(screenMs));
        screen.bareMs.push_back(median(bareMs));
        screen.stockMs.push_back(median(stockMs));
        screen.ratios.push_back(median(screenMs) / median(bareMs));
        screen.stockRatios.push_back(median(screenMs) / median(stockMs));
    }
}

void timeEveryScreen(QTextStream &out)
{
    std::vector<ScreenTimes> times(allScreens().size());
    for (int round = 0; round < Rounds; ++round)
        timeOneRound(times);
    out << "medians of " << Rounds << " rounds of " << Runs << " openings each\n";
    out << "screen                 controls  open-to-paint ms  bare ms  ratio  stock ms  ratio\n";
    double worst = 0, worstStock = 0;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const ScreenTimes &screen = times[i];
        const double ratio = median(screen.ratios), stockRatio = median(screen.stockRatios);
        worst = std::max(worst, ratio);
        worstStock = std::max(worstStock, stockRatio);
        out << QString::fromLatin1(allScreens()[i].name).leftJustified(23)
            << QString::number(screen.controls).rightJustified(8)
            << QString::number(median(screen.screenMs), 'f', 2).rightJustified(18)
            << QString::number(median(screen.bareMs), 'f', 2).rightJustified(9)
            << QString::number(ratio, 'f', 2).rightJustified(7)
            << QString::number(median(screen.stockMs), 'f', 2).rightJustified(10)
            << QString::number(stockRatio, 'f', 2).rightJustified(7) << "\n";
    }
    out << "worst open-to-paint ratio: " << QString::number(worst, 'f', 2) << " against bare windows, "
        << QString::number(worstStock, 'f', 2) << " against stock widgets (target: each within 2)\n";
}

// Run in a child process: opens every screen, or builds the bare equivalent, and prints its size.
long residentWith(const QString &what)
{
    if (what == QLatin1String("screens")) {
        for (const ScreenClass &type : allScreens())
            type.open().window()->grab();
        settle();
        return residentKb();
    }
    std::vector<std::unique_ptr<QWidget>> windows;
    std::vector<QImage> pictures;
    for (const ScreenClass &type : allScreens()) {
        const QSize size(type.spec.clientWidth / 15, type.spec.clientHeight / 15);
        windows.push_back(bareWindow(size, QList<QRect>(12, QRect(0, 0, 40, 20))));
        windows.back()->grab();
    }
    // The pictures the screens draw on a normal screen; the double-size variants show only on a
    // high-density one.
    for (const ScreenClass &type : allScreens())
        for (const ControlSpec &control : type.spec.controls)
            if (control.picture)
                pictures.emplace_back(QStringLiteral(":/pictures/") + QString::fromLatin1(control.picture));
    settle();
    return residentKb();
}

long residentOfChild(const QString &program, const QString &what)
{
    QProcess child;
    child.start(program, {QStringLiteral("--resident"), what});
    child.waitForFinished(120000);
    return child.readAllStandardOutput().trimmed().toLong();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    shell::setEndAction([] {});
    shell::setMessageAction([](const QString &, const QString &) {});
    QTextStream out(stdout);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--resident")) {
        out << residentWith(arguments[2]) << "\n";
        return 0;
    }
    timeEveryScreen(out);
    const QString self = QCoreApplication::applicationFilePath();
    const long screens = residentOfChild(self, QStringLiteral("screens"));
    const long bare = residentOfChild(self, QStringLiteral("bare"));
    out << "resident with all " << allScreens().size() << " screens open: " << screens / 1024 << " MB; bare windows "
        << "with every picture the screens show decoded: " << bare / 1024 << " MB; ratio " << QString::number(double(screens) / double(bare), 'f', 2)
        << " (target: within 1.5)\n";
    return 0;
}
