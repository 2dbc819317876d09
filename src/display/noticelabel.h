#pragma once

#include <QLabel>

// A status bar panel that shows its whole text: on one line when it fits, otherwise wrapped
// over the lines the panel's height holds, in a smaller type when it must be. Pointing at it
// shows the whole text as a tooltip too (unless the panel has its own tooltip). Callers set
// the text as on any label.
class NoticeLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NoticeLabel(QWidget *parent = nullptr);

    // The type the text is drawn in: the label's own when the text fits on one line, else the
    // largest size, down to kSmallestPixelSize, whose wrapped lines fit the panel.
    QFont fittedFont() const;
    // Whether the text is drawn over more than one line.
    bool wraps() const;

    static constexpr int kSmallestPixelSize = 7;

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The type and wrapping worked out for a text, area and font; working them out measures
    // the text at every size, and the panel repaints whenever the count moves beside it.
    struct Fit
    {
        QString text;
        QSize area;
        QFont font;
        Qt::Alignment alignment;
        bool wraps = false;
        QFont fitted;
    };
    const Fit &fit() const;

    mutable Fit m_fit;
    mutable bool m_fitKnown = false;
};
