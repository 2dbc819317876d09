// The picture to share from the main window: the tool panel's "Salvar imagem…" button, the
// count shown at once for a picture made from the command line.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/sharepageaction.h"
#include "windows/sharepictureactions.h"

#include <QPushButton>

void DeadZone::connectPictureActions()
{
    SharePictureActions::Hooks hooks;
    hooks.picture = [this] { return sharePicture(); };
    hooks.now = [this] { return m_clock.now(); };
    hooks.report = [this](const QString &text) { showPictureReport(text); };
    m_pictureActions = new SharePictureActions(this, hooks);
    connect(BotaoSalvarImagem, &QPushButton::clicked, m_pictureActions,
            [this] { m_pictureActions->saveAs(); });

    // The page that counts in a browser, said as the presentation view says it.
    m_pageAction = new SharePageAction(
        this, {[this] { return presentationView().livePage(); }, hooks.now, hooks.report, {}, {}});
    connect(BotaoSalvarPagina, &QPushButton::clicked, m_pageAction,
            [this] { m_pageAction->saveAs(); });
}

QImage DeadZone::sharePicture(const QSize &size)
{
    presentationView(); // told what is counted before it is pictured
    return m_presentation->picture(size);
}

void DeadZone::showCountNow()
{
    m_counter->recount();
    showFrame();
}
