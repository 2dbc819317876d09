#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <QWidget>

class QLabel;

// A view that can be drawn into a picture to share: the presentation view, the comparison
// view, or any other view of the count. It implements four calls:
//
//   pictureView()      the widget drawn (usually the view itself);
//   preparePicture()   lays the view out for a picture of that size and puts it in picture
//                      mode: no key hints or other on-screen help, the wheels at rest, no
//                      animation, and the bottom `captionHeight` pixels left empty for the
//                      caption line. A view that is not on screen is resized to the size; a
//                      view on screen is asked only for its own size;
//   finishPicture()    puts the view back as it was on screen;
//   pictureSources()   the source line of every figure shown ("Fonte: …, dados de 2022").
//
// SharePicture does the rest: the image, the caption and the device pixel ratio of 1.
class PictureSource
{
public:
    virtual ~PictureSource() = default;
    virtual QWidget *pictureView() = 0;
    virtual void preparePicture(const QSize &size, int captionHeight) = 0;
    virtual void finishPicture() = 0;
    virtual QStringList pictureSources() const = 0;
};

// The caption line at the foot of a shared picture: when ("em 10/12/2026 às 14:32"), the
// sources of the figures, and the program's name, small. Named labels, so that what it says
// can be read back: LegendaData, LegendaFontes, LegendaPrograma.
class PictureCaption : public QWidget
{
    Q_OBJECT

public:
    explicit PictureCaption(QWidget *parent = nullptr);

    void setTexts(const QDateTime &at, const QStringList &sources);
    // Lays the three texts out in this size, each as large as fits.
    void arrange(const QSize &size);

    QString dateText() const;
    QString sourcesText() const;
    QString programText() const;
    QList<QLabel *> labels() const { return {m_date, m_sources, m_program}; }

private:
    QLabel *m_date = nullptr;
    QLabel *m_sources = nullptr;
    QLabel *m_program = nullptr;
};

// The height of the caption line in a picture of this size.
int pictureCaptionHeight(const QSize &size);

// Draws a view into an image: the view as it stands at that instant, and the caption line.
class SharePicture
{
public:
    explicit SharePicture(PictureSource &source);
    ~SharePicture();
    SharePicture(const SharePicture &) = delete;
    SharePicture &operator=(const SharePicture &) = delete;

    // The picture of this size, dated `at`; a null image for a size the view cannot take.
    QImage draw(const QSize &size, const QDateTime &at);

    // The caption of the last picture drawn.
    const PictureCaption &caption() const { return *m_caption; }

private:
    PictureSource &m_source;
    PictureCaption *m_caption = nullptr; // a hidden widget of its own
};

// A picture as the bytes of a file in that format ("PNG", "JPEG"); empty if it cannot be.
QByteArray pictureBytes(const QImage &image, const QByteArray &format);
// A picture as PNG bytes.
QByteArray pngBytes(const QImage &image);
