#include "ControlBuilder.h"

#include "Accessibility.h"
#include "DocumentArea.h"
#include "ReadingAids.h"
#include "ImageControl.h"
#include "LabelControl.h"
#include "LineControl.h"
#include "ListBoxControl.h"
#include "PictureBoxControl.h"
#include "PictureDescriptions.h"
#include "Pictures.h"
#include "SunkenEdge.h"
#include "TextBoxControl.h"
#include "Units.h"

#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace vireka {

namespace {

QRect pixelRect(const ControlSpec &spec)
{
    return {twipsToPixels(spec.left), twipsToPixels(spec.top), twipsToPixels(spec.width),
            twipsToPixels(spec.height)};
}

// What a screen reader calls a control that shows no caption or text of its own: its name without
// the kind prefix ("lstAsanas" is "Asanas").
QString readableName(const ControlSpec &spec)
{
    const QString name = QString::fromLatin1(spec.name);
    qsizetype prefix = 0;
    while (prefix < name.size() && name.at(prefix).isLower())
        ++prefix;
    return prefix > 0 && prefix < name.size() ? name.mid(prefix) : name;
}

void setColours(QWidget *widget, Colour back, Colour fore, Colour defaultBack, Colour defaultFore)
{
    QPalette palette = widget->palette();
    const QColor backColour = toQColor(back == KindDefault ? defaultBack : back);
    const QColor foreColour = toQColor(fore == KindDefault ? defaultFore : fore);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, backColour);
        palette.setColor(group, QPalette::Text, foreColour);
    }
    widget->setPalette(palette);
}

QWidget *makeLabel(const ControlSpec &spec, QWidget *client)
{
    auto *label = new LabelControl(spec, client);
    label->move(pixelRect(spec).topLeft());
    if (!spec.autoSize)
        label->resize(pixelRect(spec).size());
    return label;
}

QWidget *makeImage(const ControlSpec &spec, QWidget *client)
{
    auto *image = new ImageControl(spec.stretch, spec.borderStyle == 1, client);
    image->setGeometry(pixelRect(spec));
    image->setPicture(builtInPicture(spec.picture));
    return image;
}

QWidget *makeLine(const ControlSpec &spec, QWidget *client)
{
    const QLine ends(twipsToPixels(spec.line.x1), twipsToPixels(spec.line.y1), twipsToPixels(spec.line.x2),
                     twipsToPixels(spec.line.y2));
    const Colour colour = spec.foreColor == KindDefault ? SystemWindowText : spec.foreColor;
    return new LineControl(ends, toQColor(colour), spec.borderWidth, client);
}

QWidget *makePictureBox(const ControlSpec &spec, QWidget *client)
{
    auto *box = new PictureBoxControl(spec.autoSize, client);
    box->setGeometry(pixelRect(spec));
    box->setPicture(builtInPicture(spec.picture));
    return box;
}

QWidget *makeListBox(const ControlSpec &spec, QWidget *client)
{
    auto *list = new ListBoxControl(client);
    list->setGeometry(pixelRect(spec));
    list->setFont(toQFont(spec.font));
    setColours(list, spec.backColor, spec.foreColor, SystemWindowBackground, SystemWindowText);
    for (const char *item : spec.items)
        new QListWidgetItem(QString::fromLatin1(item), list);
    list->setAccessibleName(readableName(spec));
    return list;
}

QWidget *makeButton(const ControlSpec &spec, QWidget *client)
{
    auto *button = new QPushButton(QString::fromLatin1(spec.caption), client);
    button->setGeometry(pixelRect(spec));
    button->setFont(toQFont(spec.font));
    button->setFocusPolicy(Qt::StrongFocus);
    // Enter presses the button that has the focus; the screen sends it to the default one otherwise.
    button->setAutoDefault(true);
    return button;
}

QWidget *makeTextBox(const ControlSpec &spec, QWidget *client)
{
    auto *box = new TextBoxControl(client);
    setSunkenEdge(box);
    box->setGeometry(pixelRect(spec));
    box->setFont(toQFont(spec.font));
    box->document()->setDefaultFont(toQFont(spec.font));
    setColours(box, spec.backColor, spec.foreColor, SystemWindowBackground, SystemWindowText);
    box->setVerticalScrollBarPolicy(spec.scrollBars == ScrollBars::Vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QTextEdit::WidgetWidth);
    if (spec.alignment == Align::Centre) {
        QTextOption option = box->document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        box->document()->setDefaultTextOption(option);
    }
    QString text = QString::fromLatin1(spec.caption);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box->setPlainText(text);
    nameAfterText(*box, readableName(spec));
    return box;
}

QWidget *makeDocumentArea(const ControlSpec &spec, QWidget *client)
{
    auto *area = new DocumentArea(client);
    area->setGeometry(pixelRect(spec));
    area->setFont(toQFont(spec.font));
    area->document()->setDefaultFont(toQFont(spec.font));
    setColours(area, spec.backColor, SystemWindowText, SystemWindowBackground, SystemWindowText);
    area->setVerticalScrollBarPolicy(spec.scrollBars == ScrollBars::Vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (spec.stored)
        showStoredDocument(*area, QStringLiteral(":/stored/") + QString::fromLatin1(spec.stored));
    nameAfterText(*area, readableName(spec));
    ReadingAids::of(*area);
    return area;
}

QWidget *makeWidget(const ControlSpec &spec, QWidget *client)
{
    switch (spec.kind) {
    case ControlKind::Label: return makeLabel(spec, client);
    case ControlKind::Image: return makeImage(spec, client);
    case ControlKind::Line: return makeLine(spec, client);
    case ControlKind::PictureBox: return makePictureBox(spec, client);
    case ControlKind::ListBox: return makeListBox(spec, client);
    case ControlKind::CommandButton: return makeButton(spec, client);
    case ControlKind::TextBox: return makeTextBox(spec, client);
    case ControlKind::DocumentArea: return makeDocumentArea(spec, client);
    case ControlKind::Menu: break;
    }
    return nullptr;
}

void applyCommon(const ControlSpec &spec, QWidget *widget)
{
    widget->setObjectName(controlKey(spec));
    if (spec.toolTip)
        widget->setToolTip(QString::fromLatin1(spec.toolTip));
    if (spec.kind == ControlKind::Image || spec.kind == ControlKind::PictureBox)
        widget->setAccessibleName(spec.toolTip ? QString::fromLatin1(spec.toolTip) : pictureDescription(spec.picture));
    if (spec.mousePointer == PointerCustom)
        widget->setCursor(customCursor());
    if (!isWindowed(spec.kind))
        widget->setFocusPolicy(Qt::NoFocus);
    widget->setVisible(spec.visible);
}

} // namespace

QString controlKey(const ControlSpec &spec)
{
    QString key = QString::fromLatin1(spec.name);
    if (spec.index >= 0)
        key += QLatin1Char('(') + QString::number(spec.index) + QLatin1Char(')');
    return key;
}

BuiltControls buildControls(LayoutTable table, QWidget *client, QMenuBar *menuBar)
{
    installAccessibility();
    BuiltControls built;
    std::vector<std::pair<const ControlSpec *, QWidget *>> windowless, windowed;

    for (const ControlSpec &spec : table) {
        if (spec.kind == ControlKind::Menu) {
            if (menuBar) {
                QAction *command = menuBar->addAction(QString::fromLatin1(spec.caption));
                command->setObjectName(controlKey(spec));
                built.byName.insert(controlKey(spec), command);
                built.kinds.insert(controlKey(spec), spec.kind);
            }
            continue;
        }
        QWidget *widget = makeWidget(spec, client);
        applyCommon(spec, widget);
        built.byName.insert(controlKey(spec), widget);
        built.kinds.insert(controlKey(spec), spec.kind);
        (isWindowed(spec.kind) ? windowed : windowless).emplace_back(&spec, widget);
        if (spec.kind == ControlKind::CommandButton && spec.isCancel)
            built.cancelButton = static_cast<QPushButton *>(widget);
        if (spec.kind == ControlKind::CommandButton && spec.isDefault)
            built.defaultButton = static_cast<QPushButton *>(widget);
    }

    // Tables list controls topmost first, and windowed controls always lie above windowless ones:
    // raising in reverse order leaves the first windowed control on top.
    for (auto it = windowless.rbegin(); it != windowless.rend(); ++it)
        it->second->raise();
    for (auto it = windowed.rbegin(); it != windowed.rend(); ++it)
        it->second->raise();

    std::vector<std::pair<const ControlSpec *, QWidget *>> focusable;
    for (const auto &entry : windowed)
        if (entry.first->tabIndex >= 0 && entry.first->visible)
            focusable.push_back(entry);
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto &a, const auto &b) { return a.first->tabIndex < b.first->tabIndex; });
    for (size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    if (!focusable.empty())
        built.firstFocus = focusable.front().second;
    return built;
}

} // namespace vireka
