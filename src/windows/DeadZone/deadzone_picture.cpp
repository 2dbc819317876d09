// The picture to share from the main window: the tool panel's "Salvar imagem…" button, the
// count shown at once for a picture made from the command line.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/sharepicturetext.h"
#include "display/odometerview.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/sharepicture.h"
#include "windows/sharepictureactions.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

void DeadZone::buildPictureControls()
{
    BotaoSalvarImagem = new QPushButton(QStringLiteral("Salvar imagem…"), PainelFerramentas2);
    BotaoSalvarImagem->setObjectName(QStringLiteral("BotaoSalvarImagem"));
    BotaoSalvarImagem->setAccessibleName(QStringLiteral("Salvar imagem da contagem"));
    BotaoSalvarImagem->setToolTip(
        QStringLiteral("Salva a contagem como imagem PNG para compartilhar (Ctrl+S na "
                       "apresentação)"));
    place(BotaoSalvarImagem, 90, 2280, 2340, 360);
    m_twips.setFontScale(BotaoSalvarImagem, 1.0);

    SharePictureActions::Hooks hooks;
    hooks.picture = [this] { return sharePicture(); };
    hooks.now = [this] { return m_clock.now(); };
    hooks.report = [this](const QString &text) { showPictureReport(text); };
    m_pictureActions = new SharePictureActions(this, hooks);
    connect(BotaoSalvarImagem, &QPushButton::clicked, m_pictureActions,
            [this] { m_pictureActions->saveAs(); });
}

QImage DeadZone::sharePicture(const QSize &size)
{
    Apresentacao &view = presentationView();
    // The open view is pictured at its own size; otherwise at the size asked, or of a full HD
    // screen.
    const QSize drawn = inPresentation() ? view.size()
                        : size.isValid() ? size
                                         : kDefaultPictureSize;
    SharePicture picture(view);
    return picture.draw(drawn, m_clock.now());
}

void DeadZone::showCountNow()
{
    m_counter->recount();
    showFrame();
}

void DeadZone::showPictureReport(const QString &text)
{
    st1Panel[0]->setText(text);
}
