#include "windows/screenmenu.h"

#include "display/eventscreen.h"
#include "display/viewplacement.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QWidget>

void offerViewScreens(QWidget *anchor, const QScreen *mainScreen, EventScreen &screen,
                      const std::function<void()> &open)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2) {
        open();
        return;
    }
    const int mainIndex = int(screens.indexOf(const_cast<QScreen *>(mainScreen)));
    const int current = viewScreenIndex(int(screens.size()), mainIndex, screen.askedScreen());
    auto *menu = new QMenu(anchor);
    menu->setObjectName(QStringLiteral("MenuTelas"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setTitle(QStringLiteral("Apresentar na tela"));
    auto *group = new QActionGroup(menu);
    for (int index = 0; index < screens.size(); ++index) {
        const QRect box = screens.at(index)->geometry();
        QString text = QStringLiteral("Tela %1: %2, %3×%4")
                           .arg(index + 1)
                           .arg(screens.at(index)->name())
                           .arg(box.width())
                           .arg(box.height());
        if (index == mainIndex)
            text += QStringLiteral(" (a desta janela)");
        QAction *action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(index == current);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &screen, [&screen, index, open] {
            screen.setAskedScreen(index);
            open();
        });
    }
    menu->popup(anchor ? anchor->mapToGlobal(QPoint(0, anchor->height())) : QPoint());
}
