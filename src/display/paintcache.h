#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>

class QWidget;

// Keeps the picture a label, radio button, check box or progress bar last drew of itself and
// draws that picture again while nothing it shows has changed. The new-victim animations
// move their pictures over these controls dozens of times a second; each crossing repaints
// what lies beneath, and without the cache every repaint lays out and shapes their text
// again. What the control shows (text, state, value, size, font, colours, focus, hover) makes
// the key; any change draws it afresh. A filling bar keeps a picture per length of its filling
// instead (see paintBarOfLength). Rich text, pictures and other kinds paint as usual.
class PaintCache final : public QObject
{
    Q_OBJECT

public:
    // Caches the control's painting for as long as it lives.
    static void attach(QWidget *control);
    // Every plain label, radio button, check box and progress bar under the widget.
    static void attachToControlsOf(QWidget *root);

    // How many times the control's picture was taken (for tests and benchmarks).
    int renderCount() const { return m_renderCount; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Everything the control's picture depends on. Compared at every paint, so it holds
    // shared copies and plain numbers, nothing to format.
    struct Key
    {
        QSize size;
        qreal ratio = 0;
        QFont font;
        qint64 palette = 0;
        const void *style = nullptr;
        QString styleSheet;
        QString text;
        qint64 icon = 0;
        std::array<int, 12> state{};
        bool operator==(const Key &) const = default;
    };

    // Where a bar's key marks that its look follows the length of its filling.
    static constexpr std::size_t kByLength = 11;

    explicit PaintCache(QWidget *control);
    // What the control shows; false when it is of a kind the cache leaves alone.
    bool readKey(Key &key) const;
    void takePicture();
    bool paintBarOfLength(Key now, const QRegion &region);

    QWidget *m_control;
    Key m_key;
    QPixmap m_picture;
    // A filling bar's pictures by length (and ends), for the look the rest of its key gives.
    Key m_barLook;
    QHash<int, QPixmap> m_barPictures;
    bool m_rendering = false;
    bool m_takeQueued = false;
    int m_renderCount = 0;
};
