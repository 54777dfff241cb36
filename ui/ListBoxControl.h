#pragma once

#include <QListWidget>

namespace vireka {

// A single-choice list. Every change of the chosen entry, by mouse or keyboard, is a Click. A fresh
// list has no entry chosen, and the first arrow or page key chooses the first entry rather than
// moving past it.
class ListBoxControl : public QListWidget {
    Q_OBJECT
public:
    explicit ListBoxControl(QWidget *parent);

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace vireka
