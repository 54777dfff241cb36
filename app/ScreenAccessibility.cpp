#include "ScreenAccessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

#include <algorithm>

namespace vireka {

namespace {

// The controls of a client area in reading order. The stacking order, which is Qt's order of
// children, would read a screen from whatever lies on top.
class ClientAreaAccessible : public QAccessibleWidget {
public:
    explicit ClientAreaAccessible(QWidget *client) : QAccessibleWidget(client, QAccessible::Client) {}

    int childCount() const override { return int(controls().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> inOrder = controls();
        return index >= 0 && index < inOrder.size() ? QAccessible::queryAccessibleInterface(inOrder.at(index)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(controls().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget *> controls() const
    {
        QList<QWidget *> inOrder = widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        std::stable_sort(inOrder.begin(), inOrder.end(), [](const QWidget *a, const QWidget *b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return inOrder;
    }
};

QAccessibleInterface *screenInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("vireka::ScreenWindow")) {
        auto *window = static_cast<QWidget *>(object);
        return new QAccessibleWidget(window, window->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                                : QAccessible::Window);
    }
    if (className == QLatin1String("vireka::ClientArea"))
        return new ClientAreaAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installScreenAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(screenInterface);
}

} // namespace vireka
