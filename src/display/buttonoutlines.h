#pragma once

#include <QList>
#include <QObject>

class PictureButton;
class QWidget;

// The hover look of a toolbar's picture buttons: a button is outlined while the pointer moves
// over it, and every outline goes when the pointer moves over one of the surfaces between
// them; a pressed button looks flat until it is released.
class ButtonOutlines : public QObject
{
    Q_OBJECT

public:
    ButtonOutlines(const QList<PictureButton *> &buttons, const QList<QWidget *> &surfaces,
                   QObject *parent);

    // A release of the mouse over `surface` raises `button` again (pressed, then dragged off).
    void raiseOnRelease(QWidget *surface, PictureButton *button);
    // Takes every outline off.
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<PictureButton *> m_buttons;
    QWidget *m_releaseSurface = nullptr;
    PictureButton *m_releaseButton = nullptr;
};
