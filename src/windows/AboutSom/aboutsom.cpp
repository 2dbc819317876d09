#include "windows/AboutSom/aboutsom.h"

#include "display/desktopservices.h"
#include "display/svgpicture.h"
#include "windows/AboutSom/systeminfoprogram.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace {

QFrame *line(QWidget *parent, int index, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("Line1(%1)").arg(index));
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(shadow);
    return frame;
}

} // namespace

AboutSom::AboutSom(DesktopServices &desktop, QWidget *parent) : QDialog(parent), m_desktop(desktop)
{
    setObjectName(QStringLiteral("AboutSom"));
    setWindowTitle(QStringLiteral("Sobre Quorvel Counter"));
    setModal(false);

    m_Image1 = new QLabel(this);
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setPixmap(
        svgPicture(QStringLiteral(":/pictures/icon.svg"), QSize(64, 64), devicePixelRatioF()));
    m_Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    m_lblTitle = new QLabel(QStringLiteral("Application Title"), this);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);

    m_lblVersion = new QLabel(QStringLiteral("Version"), this);
    m_lblVersion->setObjectName(QStringLiteral("lblVersion"));

    m_lblDescription = new QLabel(this);
    m_lblDescription->setObjectName(QStringLiteral("lblDescription"));
    m_lblDescription->setWordWrap(true);
    m_lblDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_lblDescription->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblDescription->setMinimumWidth(460);

    m_lblDisclaimer = new QLabel(this);
    m_lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    m_lblDisclaimer->setWordWrap(true);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = new QPushButton(QStringLiteral("Sistema"), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    m_cmdSysInfo->setAccessibleDescription(
        QStringLiteral("Abre o programa de informações do sistema"));

    auto *texts = new QVBoxLayout;
    texts->addWidget(m_lblTitle);
    texts->addWidget(m_lblVersion);
    texts->addSpacing(8);
    texts->addWidget(m_lblDescription, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_Image1, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto *lines = new QVBoxLayout;
    lines->setSpacing(0);
    lines->addWidget(line(this, 0, QFrame::Sunken));
    lines->addWidget(line(this, 1, QFrame::Raised));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdSysInfo);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_lblDisclaimer, 1, Qt::AlignTop);
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(lines);
    layout->addLayout(bottom);

    connect(m_cmdOK, &QPushButton::clicked, this, &AboutSom::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &AboutSom::cmdSysInfo_Click);

    Form_Load();
}

AboutSom::~AboutSom() = default;

QString AboutSom::applicationTitle()
{
    return QStringLiteral("Quorvel Counter");
}

QStringList AboutSom::descriptionParagraphs()
{
    return {
        QStringLiteral("Este programa tem como finalidade medir o grau de violência em qualquer "
                       "cidade, bairro ou País através do tratamento estatístico de ocorrências "
                       "e índices de violência."),
        QStringLiteral("Desenvolvido pela Equipe Quorvel Counter, sem finalidade comercial. "
                       "Primeira versão em 2025, revisada em 2026."),
        QStringLiteral("As informações aqui processadas não constituem um registro oficial dos "
                       "dados tratados"),
        QStringLiteral("A credibilidade das fontes utilizadas dependem exclusivamente do usuário "
                       "e do seu critério de seleção e avaliação"),
        QStringLiteral("E-mail: equipe@quorvel.example - Site: https://quorvel.example"),
    };
}

QString AboutSom::unavailableText()
{
    return QStringLiteral("System Information Is Unavailable At This Time");
}

void AboutSom::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + applicationTitle());
    // Each part a plain integer: "1.0" reads as 1.0.0.
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    m_lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                              .arg(version.majorVersion())
                              .arg(version.minorVersion())
                              .arg(version.microVersion()));
    m_lblTitle->setText(applicationTitle());
    m_lblDescription->setText(descriptionParagraphs().join(QStringLiteral("\n\n")));
}

void AboutSom::cmdOK_Click()
{
    close();
}

void AboutSom::cmdSysInfo_Click()
{
    StartSysInfo();
}

void AboutSom::StartSysInfo()
{
    const SystemInfoProgram program = findSystemInfoProgram(
        [this](const QString &name) { return m_desktop.findExecutable(name); });
    if (!program.name.isEmpty() && m_desktop.startDetached(program.name, program.arguments))
        return;
    m_desktop.showModalMessage(this, applicationTitle(), unavailableText(),
                               DesktopServices::MessageIcon::None);
}
