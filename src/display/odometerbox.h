#pragma once

#include <QFrame>

// The housing of a row of odometer wheels: a dark recess behind the drums. It tells its
// owner when its size changes, so that the wheels and the frame pieces can be drawn again
// at the new scale.
class OdometerBox : public QFrame
{
    Q_OBJECT

public:
    explicit OdometerBox(QWidget *parent = nullptr);

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
