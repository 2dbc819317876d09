#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture that acts as a button: clicked by mouse, Space or Enter, focusable, and a push
// button to assistive technology. Shows a hover outline (border style 1) and a flat or
// raised relief (appearance 0 or 1), which its owner sets.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

    void setBorderStyle(int style);
    int borderStyle() const { return m_borderStyle; }
    // 0: flat (pressed); 1: 3D (raised).
    void setAppearance(int appearance);
    int appearance() const { return m_appearance; }

    QSize sizeHint() const override { return {32, 32}; }

signals:
    void mouseMoved();
    void mousePressed();
    void mouseReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    int m_borderStyle = 0;
    int m_appearance = 1;
};
