#pragma once

#include <QProxyStyle>

namespace vireka {

// The program's look: Qt's classic Windows style, with raised grey scroll bars and buttons that
// match the classic palette. The sunken two-pixel edge of documents, lists and text boxes is drawn
// here as eight filled lines, which the classic style would stroke as four polylines at several
// times the cost on every repaint.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

} // namespace vireka
