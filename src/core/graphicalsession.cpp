#include "core/graphicalsession.h"

#include <QStringList>
#include <QtGlobal>

bool graphicalSessionExpected(const QString &platform, const QString &display,
                              const QString &waylandDisplay)
{
    const bool x11 = !display.trimmed().isEmpty();
    const bool wayland = !waylandDisplay.trimmed().isEmpty();
    const QStringList platforms = platform.split(u';', Qt::SkipEmptyParts);
    if (platforms.isEmpty())
        return x11 || wayland;
    for (const QString &entry : platforms) {
        // "xcb:option=value": the plugin's name comes first.
        const QString name = entry.section(u':', 0, 0).trimmed();
        if (name == u"xcb") {
            if (x11)
                return true;
        } else if (name.startsWith(u"wayland")) {
            if (wayland)
                return true;
        } else {
            return true;
        }
    }
    return false;
}

bool graphicalSessionExpected()
{
    return graphicalSessionExpected(qEnvironmentVariable("QT_QPA_PLATFORM"),
                                    qEnvironmentVariable("DISPLAY"),
                                    qEnvironmentVariable("WAYLAND_DISPLAY"));
}

QString noGraphicalSessionText()
{
    return QStringLiteral(
        "quorvel-counter: Não há sessão gráfica (nem DISPLAY nem WAYLAND_DISPLAY): a janela do\n"
        "programa precisa de uma. Abra o programa numa sessão gráfica ou, para gravar a\n"
        "imagem da contagem sem tela, use --imagem, por exemplo:\n"
        "  quorvel-counter --entrada Bahia --imagem bahia.png\n");
}
