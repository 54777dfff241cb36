#pragma once

#include "LayoutTable.h"

#include <QHash>
#include <QString>

class QMenuBar;
class QObject;
class QPushButton;
class QWidget;

namespace vireka {

// The controls of one loaded screen, by name. Members of a control family are named "Line1(0)".
struct BuiltControls {
    QHash<QString, QObject *> byName;
    QHash<QString, ControlKind> kinds;
    QWidget *firstFocus = nullptr;    // lowest tab index among the controls that take focus
    QPushButton *defaultButton = nullptr; // Enter presses it, unless another button has the focus
    QPushButton *cancelButton = nullptr;  // Escape presses it
};

// Creates every control of `table` on `client` (and its menu commands on `menuBar`), stacked and
// chained for Tab as the table says.
BuiltControls buildControls(LayoutTable table, QWidget *client, QMenuBar *menuBar);

QString controlKey(const ControlSpec &spec);

} // namespace vireka
