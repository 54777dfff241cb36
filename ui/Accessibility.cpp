#include "Accessibility.h"

#include "ImageControl.h"
#include "LabelControl.h"
#include "LineControl.h"
#include "PictureBoxControl.h"

#include <QAccessibleWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace vireka {

namespace {

// A label is a link when a Click handler listens to it; its caption is its name either way.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelControl *label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override { return isLink() ? QAccessible::Link : QAccessible::StaticText; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->caption().simplified();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = isLink();
        s.focusable = false;
        return s;
    }

    QStringList actionNames() const override
    {
        return isLink() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && isLink() && label()->isVisible())
            emit label()->clicked();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    LabelControl *label() const { return static_cast<LabelControl *>(widget()); }
    bool isLink() const { return label()->hasClickHandler(); }
};

QAccessibleInterface *controlInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("vireka::LabelControl"))
        return new LabelAccessible(static_cast<LabelControl *>(object));
    if (className == QLatin1String("vireka::ImageControl") || className == QLatin1String("vireka::PictureBoxControl"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (className == QLatin1String("vireka::LineControl"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Separator);
    return nullptr;
}

// The first paragraph that holds any text, cut at a word to the length of a heading. Only the top
// of the document is read, however long it is.
QString heading(const QTextDocument &document)
{
    constexpr int longest = 80;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString text = block.text().simplified();
        if (text.isEmpty())
            continue;
        if (text.size() > longest) {
            const qsizetype cut = text.lastIndexOf(QLatin1Char(' '), longest);
            text = text.left(cut > 0 ? cut : longest) + QStringLiteral("...");
        }
        return text;
    }
    return {};
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(controlInterface);
}

void nameAfterText(QTextEdit &edit, const QString &fallback)
{
    auto rename = [&edit, fallback] {
        const QString name = heading(*edit.document());
        edit.setAccessibleName(name.isEmpty() ? fallback : name);
    };
    rename();
    QObject::connect(&edit, &QTextEdit::textChanged, &edit, rename);
}

} // namespace vireka
