#pragma once

#include <QTextEdit>

namespace vireka {

// A screen's text box: plain, multi-line text the user may scroll, select and edit.
class TextBoxControl : public QTextEdit {
    Q_OBJECT
public:
    explicit TextBoxControl(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace vireka
