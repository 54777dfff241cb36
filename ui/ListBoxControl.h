#pragma once

#include <QListWidget>

namespace vireka {

// A single-choice list. Every change of the chosen entry, by mouse or keyboard, is a Click, and so is
// a mouse click on the entry already chosen (a user who clicks it again means it again). A fresh
// list has no entry chosen; there every navigation key chooses as a list box does: Home, Page Up and
// the arrows the first entry, End the last, Page Down a page down from the top, a letter the first
// entry that begins with it.
class ListBoxControl : public QListWidget {
    Q_OBJECT
public:
    explicit ListBoxControl(QWidget *parent);

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace vireka
