#pragma once

#include <QFrame>
#include <QImage>

namespace vireka {

// A picture in a focusable framed window of its own: drawn at its natural size from the top left,
// never scaled. With AutoSize the box takes the picture's size plus its frame.
class PictureBoxControl : public QFrame {
    Q_OBJECT
public:
    PictureBoxControl(bool autoSize, QWidget *parent);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage m_picture;
    bool m_autoSize;
};

} // namespace vireka
