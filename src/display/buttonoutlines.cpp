#include "display/buttonoutlines.h"

#include "display/picturebutton.h"

#include <QEvent>
#include <QWidget>

ButtonOutlines::ButtonOutlines(const QList<PictureButton *> &buttons,
                               const QList<QWidget *> &surfaces, QObject *parent)
    : QObject(parent), m_buttons(buttons)
{
    for (PictureButton *button : m_buttons) {
        connect(button, &PictureButton::mouseMoved, button,
                [button] { button->setBorderStyle(1); });
        connect(button, &PictureButton::mousePressed, button,
                [button] { button->setAppearance(0); });
        connect(button, &PictureButton::mouseReleased, button,
                [button] { button->setAppearance(1); });
    }
    for (QWidget *surface : surfaces) {
        surface->setMouseTracking(true);
        surface->installEventFilter(this);
    }
}

void ButtonOutlines::raiseOnRelease(QWidget *surface, PictureButton *button)
{
    m_releaseSurface = surface;
    m_releaseButton = button;
}

void ButtonOutlines::clear()
{
    for (PictureButton *button : m_buttons)
        button->setBorderStyle(0);
}

bool ButtonOutlines::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove)
        clear();
    if (event->type() == QEvent::MouseButtonRelease && watched == m_releaseSurface)
        m_releaseButton->setAppearance(1);
    return QObject::eventFilter(watched, event);
}
