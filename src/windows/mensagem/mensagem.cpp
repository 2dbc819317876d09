#include "windows/mensagem/mensagem.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

mensagem::mensagem(QWidget *parent)
    : QDialog(parent), m_qn(new QLabel(this)), m_command1(new QPushButton(QStringLiteral("OK"), this)),
      m_timer1(new QTimer(this))
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

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_qn);
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
