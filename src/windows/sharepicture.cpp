#include "windows/sharepicture.h"

#include "core/sharepicturetext.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

namespace {

const QColor kCaptionBackground(10, 12, 16);
const QColor kCaptionText(235, 235, 235);
const QColor kCaptionQuiet(170, 176, 186);

QLabel *captionLabel(QWidget *parent, const QString &name, Qt::Alignment alignment,
                     const QColor &colour, bool wrap)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    return label;
}

// The largest text height, at most `largest`, whose wrapped text fits the box.
void fit(QLabel *label, const QRect &box, int largest)
{
    QFont font = label->font();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    for (int size = largest; size >= 6; size = qMin(size - 1, size * 9 / 10)) {
        font.setPixelSize(size);
        const QRect needed =
            QFontMetrics(font).boundingRect(QRect(0, 0, box.width(), 100000), flags, label->text());
        if (needed.height() <= box.height() && needed.width() <= box.width())
            break;
    }
    label->setFont(font);
    label->setGeometry(box);
}

} // namespace

PictureCaption::PictureCaption(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LegendaImagem"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kCaptionBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    // The date and the name on one line each, the sources on as many as they need.
    m_date = captionLabel(this, QStringLiteral("LegendaData"), Qt::AlignLeft, kCaptionText, false);
    m_sources =
        captionLabel(this, QStringLiteral("LegendaFontes"), Qt::AlignHCenter, kCaptionText, true);
    m_program =
        captionLabel(this, QStringLiteral("LegendaPrograma"), Qt::AlignRight, kCaptionQuiet, false);
    m_program->setText(pictureProgramText());
}

void PictureCaption::setTexts(const QDateTime &at, const QStringList &sources)
{
    m_date->setText(pictureDateText(at));
    m_sources->setText(pictureSourcesText(sources));
}

void PictureCaption::arrange(const QSize &size)
{
    resize(size);
    const int w = size.width();
    const int h = size.height();
    const int margin = qMax(4, qRound(w * 0.02));
    const int gap = qMax(4, qRound(w * 0.015));
    const int inner = w - 2 * margin - 2 * gap;
    // Date and program name take what they need; the sources, the longest, the rest.
    const int dateWidth = qRound(inner * 0.29);
    const int programWidth = qRound(inner * 0.13);
    const int sourcesWidth = inner - dateWidth - programWidth;
    const int top = qRound(h * 0.08);
    const int boxHeight = h - 2 * top;
    int x = margin;
    fit(m_date, QRect(x, top, dateWidth, boxHeight), qRound(h * 0.40));
    x += dateWidth + gap;
    fit(m_sources, QRect(x, top, sourcesWidth, boxHeight), qRound(h * 0.36));
    x += sourcesWidth + gap;
    fit(m_program, QRect(x, top, programWidth, boxHeight), qRound(h * 0.26));
}

QString PictureCaption::dateText() const
{
    return m_date->text();
}

QString PictureCaption::sourcesText() const
{
    return m_sources->text();
}

QString PictureCaption::programText() const
{
    return m_program->text();
}

int pictureCaptionHeight(const QSize &size)
{
    // A twentieth of the height is plenty on a landscape picture; a tall one gets the same
    // share of its width so that the line is not taller than the text needs.
    return qMax(24, qRound(qMin(size.height(), qRound(size.width() * 1.2)) * 0.06));
}

SharePicture::SharePicture(PictureSource &source) : m_source(source), m_caption(new PictureCaption)
{
}

SharePicture::~SharePicture()
{
    delete m_caption;
}

QImage SharePicture::draw(const QSize &size, const QDateTime &at)
{
    QWidget *view = m_source.pictureView();
    if (!view || size.isEmpty())
        return QImage();
    const int captionHeight = pictureCaptionHeight(size);

    m_source.preparePicture(size, captionHeight);
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    image.fill(view->palette().color(QPalette::Window));
    {
        QPainter painter(&image);
        // The view down to the caption line: anything it draws there is covered anyway.
        view->render(&painter, QPoint(), QRegion(0, 0, size.width(), size.height() - captionHeight),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
        m_caption->setTexts(at, m_source.pictureSources());
        m_caption->arrange(QSize(size.width(), captionHeight));
        m_caption->render(&painter, QPoint(0, size.height() - captionHeight));
    }
    m_source.finishPicture();
    return image;
}

QByteArray pictureBytes(const QImage &image, const QByteArray &format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // JPEG at a quality that keeps the digits' edges clean.
    if (!image.save(&buffer, format.constData(), format == "JPEG" ? 92 : -1))
        return QByteArray();
    return bytes;
}

QByteArray pngBytes(const QImage &image)
{
    return pictureBytes(image, QByteArrayLiteral("PNG"));
}
