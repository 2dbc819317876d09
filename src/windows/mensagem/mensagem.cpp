#include "windows/mensagem/mensagem.h"

#include "display/svgpicture.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

mensagem::mensagem(QWidget *parent)
    : QDialog(parent), m_qn(new QLabel(this)),
      m_command1(new QPushButton(QStringLiteral("OK"), this)), m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("mensagem"));
    setWindowTitle(QStringLiteral("Quorvel Counter -   Mensagem"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_qn->setObjectName(QStringLiteral("qn"));
    m_qn->setWordWrap(true);
    m_qn->setAlignment(Qt::AlignCenter);
    QFont font = m_qn->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    m_qn->setFont(font);
    m_qn->setMinimumSize(360, 80);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);

    // Decoration: the program's emblem beside the text and a strip of wheels under it.
    auto *base = new QFrame(this);
    base->setObjectName(QStringLiteral("base"));
    base->setFrameShape(QFrame::StyledPanel);
    auto *picture1 = new QFrame(base);
    picture1->setObjectName(QStringLiteral("Picture1"));
    auto *image1 = new QLabel(picture1);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(
        svgPicture(QStringLiteral(":/pictures/icon.svg"), QSize(56, 56), devicePixelRatioF()));
    auto *image2 = new QLabel(base);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(
        svgPicture(QStringLiteral(":/pictures/reel.svg"), QSize(336, 40), devicePixelRatioF()));
    image2->setAlignment(Qt::AlignCenter);
    for (QLabel *image : {image1, image2})
        image->setAccessibleName(QStringLiteral("Decoração"));
    (new QVBoxLayout(picture1))->addWidget(image1, 0, Qt::AlignTop);

    auto *row = new QHBoxLayout;
    row->addWidget(picture1, 0, Qt::AlignTop);
    row->addWidget(m_qn, 1);
    auto *inBase = new QVBoxLayout(base);
    inBase->addLayout(row);
    inBase->addWidget(image2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(base);
    layout->addWidget(m_command1, 0, Qt::AlignHCenter);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(8500);
    m_timer1->setSingleShot(true);
    connect(m_timer1, &QTimer::timeout, this, &mensagem::Timer1_Timer);
    connect(m_command1, &QPushButton::clicked, this, &mensagem::Command1_Click);
}

void mensagem::showMessage(const QString &text)
{
    m_qn->setText(text);
    if (!isVisible())
        Form_Load();
    show();
    raise();
}

void mensagem::Form_Load()
{
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    m_timer1->start();
}

void mensagem::Command1_Click()
{
    m_timer1->stop();
    hide();
}

void mensagem::Timer1_Timer()
{
    hide();
}

mensagem &mensagemWindow()
{
    static QPointer<mensagem> window;
    if (!window)
        window = new mensagem;
    return *window;
}
