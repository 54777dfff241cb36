#include "companion.h"

#include "figure.h"
#include "poses.h"
#include "painting.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

namespace pictures {

namespace {

// Small toolbar glyphs, drawn rather than loaded.
QIcon glyph(int kind)
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    switch (kind) {
    case 0: // open book
        p.setBrush(QColor(250, 250, 240));
        p.drawRect(3, 4, 7, 12);
        p.drawRect(10, 4, 7, 12);
        p.setPen(QColor(120, 120, 160));
        for (int y = 7; y < 15; y += 2) {
            p.drawLine(5, y, 8, y);
            p.drawLine(12, y, 15, y);
        }
        break;
    case 1: // leaf
        p.setBrush(QColor(60, 160, 60));
        p.drawEllipse(QRectF(4, 3, 10, 14));
        p.drawLine(9, 5, 9, 18);
        break;
    case 2: // capsule
        p.setBrush(QColor(220, 60, 60));
        p.drawRoundedRect(QRectF(2, 7, 16, 7), 3.5, 3.5);
        p.setBrush(QColor(250, 250, 250));
        p.drawRoundedRect(QRectF(10, 7, 8, 7), 3.5, 3.5);
        break;
    case 3: // magnifier
        p.setBrush(QColor(200, 230, 250));
        p.drawEllipse(QRectF(3, 3, 10, 10));
        p.setPen(QPen(QColor(90, 60, 30), 2.5));
        p.drawLine(12, 12, 17, 17);
        break;
    case 4: // printer
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(2, 8, 16, 7);
        p.setBrush(Qt::white);
        p.drawRect(5, 3, 10, 5);
        p.drawRect(5, 13, 10, 5);
        break;
    case 5: // question
        p.setBrush(QColor(250, 220, 60));
        p.drawEllipse(QRectF(2, 2, 16, 16));
        p.setFont(pictureFont("Liberation Sans", 12, true));
        p.drawText(QRectF(2, 2, 16, 16), Qt::AlignCenter, "?");
        break;
    case 6: // person
        p.setBrush(QColor(240, 190, 150));
        p.drawEllipse(QRectF(7, 2, 6, 6));
        p.setBrush(QColor(60, 90, 180));
        p.drawRoundedRect(QRectF(5, 9, 10, 9), 3, 3);
        break;
    default: // door
        p.setBrush(QColor(150, 100, 50));
        p.drawRect(5, 2, 10, 16);
        p.setBrush(QColor(250, 220, 60));
        p.drawEllipse(QRectF(12, 10, 2, 2));
        break;
    }
    return QIcon(pm);
}

// A window frame in the classic style: blue gradient caption with the three boxes.
QWidget *captionBar(const QString &title)
{
    auto *bar = new QWidget;
    bar->setFixedHeight(20);
    bar->setAutoFillBackground(true);
    QPalette pal = bar->palette();
    QLinearGradient g(0, 0, 637, 0);
    g.setColorAt(0, QColor(0, 0, 128));
    g.setColorAt(1, QColor(16, 132, 208));
    pal.setBrush(QPalette::Window, g);
    bar->setPalette(pal);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 1, 2, 1);
    row->setSpacing(2);
    auto *icon = new QLabel;
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(60, 170, 70));
        p.setPen(QColor(20, 80, 30));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(8, 4, 8, 12);
        p.drawLine(4, 8, 12, 8);
    }
    icon->setPixmap(pm);
    row->addWidget(icon);
    auto *text = new QLabel(title);
    QFont f = pictureFont("Liberation Sans", 11, true);
    text->setFont(f);
    QPalette tp = text->palette();
    tp.setColor(QPalette::WindowText, Qt::white);
    text->setPalette(tp);
    row->addWidget(text, 1);
    for (const char *box : {"_", "\u25a1", "x"}) {
        auto *b = new QToolButton;
        b->setText(QString::fromUtf8(box));
        b->setFixedSize(16, 14);
        b->setFont(pictureFont("Liberation Sans", 10, true));
        row->addWidget(b);
    }
    return bar;
}

// The front-facing figure of the body graphic, with the troubled area marked.
class BodyChart : public QWidget {
public:
    BodyChart() { setMinimumSize(130, 200); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient bg(0, 0, 0, height());
        bg.setColorAt(0, QColor(235, 245, 255));
        bg.setColorAt(1, QColor(200, 220, 240));
        p.fillRect(rect(), bg);
        p.setPen(QColor(120, 140, 170));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        Pose pose = posture("tadasana");
        pose.upperArm = {200, 160};
        pose.forearm = {192, 168};
        pose.hand = {190, 170};
        Look look;
        look.skin = QColor(240, 200, 170);
        look.top = QColor(240, 200, 170);
        look.bottom = QColor(180, 200, 230);
        look.bareChest = true;
        look.legCover = 1;
        look.hairStyle = Hair::Short;
        const QTransform t = placeFigure(pose, QRectF(0, 0, width() - 16, height() - 20), height() - 10, width() / 2.0);
        drawPlacedFigure(p, pose, look, t);
        // The affliction's area: the head.
        const QPointF head = t.map(buildSkeleton(pose).headCentre);
        p.setPen(QPen(QColor(220, 30, 30), 2));
        p.setBrush(QColor(255, 60, 60, 70));
        p.drawEllipse(head, 16, 16);
        p.setFont(pictureFont("Liberation Sans", 10, true));
        p.setPen(QColor(180, 20, 20));
        p.drawText(QRectF(0, 4, width(), 14), Qt::AlignHCenter, "Head");
    }
};

QGroupBox *listPanel(const QString &title, const QStringList &items)
{
    auto *box = new QGroupBox(title);
    auto *lay = new QVBoxLayout(box);
    lay->setContentsMargins(4, 4, 4, 4);
    auto *list = new QListWidget;
    list->addItems(items);
    list->setCurrentRow(0);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lay->addWidget(list);
    return box;
}

// Lays the window out at its final size off screen and grabs it, at `density` image pixels to a
// window pixel (2 for the variant shown on high-density screens).
QImage screenshot(QWidget &w, QSize size, qreal density)
{
    // One fixed style, whatever the desktop would pick, so the screenshots repeat.
    QStyle *style = QStyleFactory::create("Fusion");
    style->setParent(&w);
    w.setStyle(style);
    const auto children = w.findChildren<QWidget *>();
    for (QWidget *c : children) {
        c->setStyle(w.style());
        c->setFocusPolicy(Qt::NoFocus);
    }
    w.setAttribute(Qt::WA_DontShowOnScreen);
    w.setFixedSize(size);
    w.show();
    if (w.layout())
        w.layout()->activate();
    if (density == 1)
        return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage dense(size * density, QImage::Format_RGB32);
    dense.setDevicePixelRatio(density);
    w.render(&dense);
    dense.setDevicePixelRatio(1);
    return dense;
}

QFont uiFont()
{
    return pictureFont("Liberation Sans", 11);
}

QPalette classicPalette()
{
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(212, 208, 200));
    pal.setColor(QPalette::Button, QColor(212, 208, 200));
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::AlternateBase, QColor(240, 240, 240));
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    pal.setColor(QPalette::Highlight, QColor(10, 36, 106));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Midlight, QColor(230, 228, 224));
    pal.setColor(QPalette::Mid, QColor(160, 156, 150));
    pal.setColor(QPalette::Dark, QColor(128, 128, 128));
    pal.setColor(QPalette::Shadow, QColor(64, 64, 64));
    return pal;
}

// Turns `window` into one of the program's windows: its font and grey palette,
// the caption bar on top. Returns the column the window's contents go in.
QVBoxLayout *classicWindow(QWidget &window, const QString &title, int spacing)
{
    window.setFont(uiFont());
    window.setPalette(classicPalette());
    window.setAutoFillBackground(true);
    auto *outer = new QVBoxLayout(&window);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->setSpacing(spacing);
    outer->addWidget(captionBar(title));
    return outer;
}

// The labels of fields, in bold.
QLabel *fieldLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setFont(pictureFont("Liberation Sans", 11, true));
    return label;
}

// First, previous, next and last record.
void addRecordButtons(QHBoxLayout *row, QSize buttonSize)
{
    for (const char *nav : {"|<", "<", ">", ">|"}) {
        auto *b = new QPushButton(QString::fromLatin1(nav));
        b->setFixedSize(buttonSize);
        row->addWidget(b);
    }
}

} // namespace

QImage companionMainWindow(QSize size, qreal density)
{
    QWidget window;
    QVBoxLayout *outer = classicWindow(window, "Halvena - Natural Health Reference", 2);

    auto *menu = new QHBoxLayout;
    menu->setContentsMargins(4, 0, 4, 0);
    for (const char *m : {"File", "Edit", "Records", "Search", "View", "Window", "Help"}) {
        auto *l = new QLabel(QString::fromLatin1(m));
        menu->addWidget(l);
        menu->addSpacing(8);
    }
    menu->addStretch();
    outer->addLayout(menu);

    auto *tools = new QFrame;
    tools->setFrameShape(QFrame::StyledPanel);
    auto *toolRow = new QHBoxLayout(tools);
    toolRow->setContentsMargins(2, 2, 2, 2);
    toolRow->setSpacing(1);
    const char *tips[] = {"Afflictions", "Herbs", "Vitamins", "Search", "Print", "Help", "Yoga", "Exit"};
    for (int i = 0; i < 8; ++i) {
        auto *b = new QToolButton;
        b->setIcon(glyph(i == 6 ? 6 : i == 7 ? 7 : i));
        b->setIconSize(QSize(20, 20));
        b->setToolTip(tips[i]);
        b->setAutoRaise(false);
        toolRow->addWidget(b);
        if (i == 2 || i == 5)
            toolRow->addSpacing(8);
    }
    toolRow->addStretch();
    outer->addWidget(tools);

    // The affliction field with record navigation and search.
    auto *record = new QHBoxLayout;
    record->setContentsMargins(4, 2, 4, 2);
    record->addWidget(fieldLabel("Affliction:"));
    auto *affliction = new QLineEdit("Headache (Tension)");
    affliction->setMinimumWidth(170);
    record->addWidget(affliction);
    addRecordButtons(record, QSize(26, 22));
    record->addWidget(new QLabel("Record 112 of 486"));
    record->addSpacing(6);
    auto *search = new QLineEdit("migraine");
    search->setFixedWidth(90);
    record->addWidget(search);
    record->addWidget(new QPushButton("Search"));
    outer->addLayout(record);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(4, 0, 4, 0);
    body->addWidget(new BodyChart);
    auto *grid = new QGridLayout;
    grid->setSpacing(4);
    grid->addWidget(listPanel("Herbal Remedies", {"Feverfew", "Peppermint oil", "Willow bark", "Lavender", "Rosemary", "Valerian"}), 0, 0);
    grid->addWidget(listPanel("Vitamins && Minerals", {"Magnesium", "Vitamin B2", "Calcium", "Niacin", "Vitamin B6"}), 0, 1);
    grid->addWidget(listPanel("Other Sources", {"Coenzyme Q10", "Fish oil", "5-HTP", "Ginger root"}), 0, 2);
    grid->addWidget(listPanel("Homeopathy", {"Belladonna", "Bryonia", "Nux vomica", "Gelsemium", "Iris"}), 1, 0);
    grid->addWidget(listPanel("Yoga", {"Shavasana", "Pranayama", "Sarvangasana", "Balasana", "Meditation"}), 1, 1);
    auto *notesBox = new QGroupBox("Notes");
    auto *notesLay = new QVBoxLayout(notesBox);
    notesLay->setContentsMargins(4, 4, 4, 4);
    auto *notes = new QTextEdit;
    notes->setPlainText("Tension headaches often follow long hours at a desk. Rest the eyes, "
                        "loosen the neck and shoulders and drink enough water. See a physician "
                        "if headaches are sudden, severe or come with fever.");
    notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notesLay->addWidget(notes);
    grid->addWidget(notesBox, 1, 2);
    body->addLayout(grid, 1);
    outer->addLayout(body, 1);

    auto *status = new QLabel(" Ready          Afflictions: 486     Herbs: 312     Remedies shown: 6");
    status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer->addWidget(status);

    return screenshot(window, size, density);
}

QImage companionHerbWindow(QSize size, qreal density)
{
    QWidget window;
    QVBoxLayout *outer = classicWindow(window, "Halvena - Herb Listing", 3);

    auto *main = new QHBoxLayout;
    main->setContentsMargins(4, 2, 4, 2);
    auto *form = new QGridLayout;
    form->setVerticalSpacing(3);
    auto field = [&](int row, const QString &label, const QString &value) {
        form->addWidget(fieldLabel(label), row, 0);
        form->addWidget(new QLineEdit(value), row, 1);
    };
    field(0, "Common name:", "Feverfew");
    field(1, "Botanical name:", "Tanacetum parthenium");
    field(2, "German:", "Mutterkraut");
    field(3, "French:", "Grande camomille");
    field(4, "Spanish:", "Matricaria");
    field(5, "Actions:", "Anti-inflammatory, vasodilator, bitter tonic");
    field(6, "Solvent:", "Water, alcohol");
    field(7, "Parts used:", "Leaves, flowering tops");
    field(8, "Dosage:", "Two or three fresh leaves a day, or 250 mg dried leaf");
    form->addWidget(fieldLabel("Description:"), 9, 0, Qt::AlignTop);
    auto *desc = new QTextEdit;
    desc->setPlainText("A bushy perennial of the daisy family with small white flowers and "
                       "strongly scented, yellow-green leaves. Used for centuries against fevers "
                       "and headaches; today taken mainly to prevent migraine. Not to be used "
                       "during pregnancy.");
    desc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    form->addWidget(desc, 9, 1);
    form->setRowStretch(9, 1);
    main->addLayout(form, 3);

    auto *searchBox = new QGroupBox("Search");
    auto *sl = new QVBoxLayout(searchBox);
    sl->addWidget(new QLabel("Find herb:"));
    sl->addWidget(new QLineEdit("fever"));
    auto *r1 = new QRadioButton("Common name");
    r1->setChecked(true);
    sl->addWidget(r1);
    sl->addWidget(new QRadioButton("Botanical name"));
    sl->addWidget(new QRadioButton("Action"));
    sl->addWidget(new QCheckBox("Whole words only"));
    sl->addWidget(new QPushButton("Find"));
    auto *results = new QListWidget;
    results->addItems({"Feverfew", "Fever bark", "Feverwort", "Boneset", "Yarrow"});
    results->setCurrentRow(0);
    sl->addWidget(results, 1);
    main->addWidget(searchBox, 1);
    outer->addLayout(main, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 0, 4, 4);
    addRecordButtons(buttons, QSize(30, 22));
    buttons->addWidget(new QLabel("  Herb 94 of 312"));
    buttons->addStretch();
    buttons->addWidget(new QPushButton("Print"));
    buttons->addWidget(new QPushButton("Close"));
    outer->addLayout(buttons);

    return screenshot(window, size, density);
}

} // namespace pictures
