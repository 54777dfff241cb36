#pragma once

#include "Colour.h"
#include "LayoutTable.h"

#include <QStaticText>
#include <QWidget>

namespace vireka {

// Static text in a rectangle. Opaque or transparent, drawn from the top, wrapped at word breaks to
// the width and clipped below. A left click anywhere in it is a Click; the second click of a double
// click is not. Setting a different caption is a Change, also while hidden.
class LabelControl : public QWidget {
    Q_OBJECT
public:
    LabelControl(const ControlSpec &spec, QWidget *parent);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // True when a Click handler listens: the label is then a link.
    bool hasClickHandler() const;

    QColor backColour() const { return m_back; }
    QColor textColour() const { return m_fore; }

    // The width the table gives the label: an AutoSize label's text is fitted to it as well.
    int fieldWidth() const { return m_designWidth; }
    bool bordered() const { return m_border; }

    // How far a single-line caption that is wider than its field is condensed, at the most.
    static constexpr int NarrowestStretch = 60;

signals:
    void clicked();
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QRect textRect() const;
    bool wraps() const;
    int textFlags() const;
    void fitToText();
    bool singleLine() const;
    void condenseToField();
    const QStaticText &laidOutText();

    QString m_caption;
    QColor m_back;
    QColor m_fore;
    bool m_transparent;
    bool m_border;
    Align m_alignment;
    bool m_wordWrap;
    bool m_autoSize;
    int m_designWidth;
    int m_designHeight;
    QFont m_designFont;
    bool m_pressed = false;
    // The caption laid out once for its width, so that repainting only draws glyphs.
    QStaticText m_text;
    bool m_textStale = true;
};

} // namespace vireka
