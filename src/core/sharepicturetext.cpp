#include "core/sharepicturetext.h"

#include <QRegularExpression>

std::optional<QSize> parsePictureSize(QStringView text)
{
    // At most five digits a side: anything longer is out of range anyway, and no overflow.
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.capturedView(1).toInt();
    const int height = match.capturedView(2).toInt();
    const auto inRange = [](int side) {
        return side >= kMinPictureSide && side <= kMaxPictureSide;
    };
    if (!inRange(width) || !inRange(height))
        return std::nullopt;
    return QSize(width, height);
}

std::optional<QByteArray> pictureFormatFor(QStringView fileName)
{
    if (fileName.endsWith(u".png", Qt::CaseInsensitive))
        return QByteArrayLiteral("PNG");
    if (fileName.endsWith(u".jpg", Qt::CaseInsensitive) ||
        fileName.endsWith(u".jpeg", Qt::CaseInsensitive))
        return QByteArrayLiteral("JPEG");
    return std::nullopt;
}

QString defaultPictureFileName(const QDateTime &at)
{
    return QStringLiteral("quorvel-%1.png").arg(at.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
}

QString pictureDateText(const QDateTime &at)
{
    return QStringLiteral("em %1 às %2")
        .arg(at.date().toString(QStringLiteral("dd/MM/yyyy")),
             at.time().toString(QStringLiteral("HH:mm")));
}

QString pictureProgramText()
{
    return QStringLiteral("Quorvel Counter");
}

QString pictureSourcesText(const QStringList &sources)
{
    QStringList lines;
    for (const QString &source : sources) {
        const QString line = source.trimmed();
        if (!line.isEmpty() && !lines.contains(line))
            lines.append(line);
    }
    return lines.join(QStringLiteral("  ·  "));
}
