#pragma once

#include <QPointer>
#include <QWidget>

class QKeyEvent;

namespace vireka {

class Screen;

// A focus ring that Ctrl+Tab and Ctrl+Shift+Tab move over a screen's link labels and command buttons
// in reading order (top to bottom, left to right), for those who cannot use a mouse. Enter or Space
// presses the ringed control as a click would. The keyboard focus never moves: the ring is drawn over
// the controls, and any click or Tab takes it away. Screen readers hear the ringed link as focused.
class LinkRing : public QWidget {
    Q_OBJECT
public:
    // Ctrl+Tab, Ctrl+Shift+Tab, and Enter or Space while the ring shows; Tab and Shift+Tab take the
    // ring away and go on as usual. Returns true when the press was used.
    static bool keyPress(Screen &screen, const QKeyEvent &press);

    // The ring on `screen`, if it shows, and the control it is around.
    static LinkRing *on(const Screen &screen);
    QWidget *ringed() const { return m_ringed; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LinkRing(QWidget *client);
    void move(bool forward);
    void press();
    void remove();

    QPointer<QWidget> m_ringed;
};

} // namespace vireka
