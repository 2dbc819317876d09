#pragma once

#include <QPixmap>
#include <QWidget>

// A picture box: shows one picture scaled to its rectangle. Setting the picture that it
// already shows costs nothing, so callers may set faces on every display tick.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    // How many times the shown picture actually changed (for tests and benchmarks).
    int pictureChanges() const { return m_changes; }

    // 1: a thin single-line border; 0: none.
    void setBorderStyle(int style);
    int borderStyle() const { return m_borderStyle; }

signals:
    void mouseMoved();
    void mousePressed();
    void mouseReleased();
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    int m_borderStyle = 0;
    int m_changes = 0;
};
