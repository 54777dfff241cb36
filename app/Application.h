#pragma once

#include <QApplication>

namespace vireka {

// The application object. Failures that no screen catches (opening or closing a screen) arrive
// here: they are reported in a message box captioned with the program's title, and the program ends.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};


} // namespace vireka
