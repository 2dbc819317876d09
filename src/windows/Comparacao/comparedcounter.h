#pragma once

#include "core/countsentence.h"
#include "data/sourceline.h"

#include <QGroupBox>
#include <QRect>

#include <optional>

class Counter;
class QLabel;
class QTimer;
class VictimAnnouncer;

// One counter of the comparison view, as text: what it counts (the presentation view's
// sentence), the count with four decimals and thousands separators, the decimals smaller and
// quieter, "uma vítima a cada …, em média" and, with an hourly pattern, the hour's pace, the source
// and year, and the published rate when there is one. It is a group named for its entry, so that a
// screen reader tells the counters apart, and each of its texts is a label read as it stands.
class ComparedCounter : public QGroupBox
{
    Q_OBJECT

public:
    ComparedCounter(Counter &counter, int position, QWidget *parent = nullptr);

    Counter &counter() const { return m_counter; }
    // What the counter counts, as its sentence names it.
    const CountDescription &description() const { return m_what; }
    void setDescription(const CountDescription &what, const std::optional<EntrySource> &source);
    // The name the group is known by: the entry's, or "Número digitado: 937 por mês".
    QString name() const { return accessibleName(); }
    void setReducedMotion(bool on) { m_reducedMotion = on; }

    // Lays the texts out in this size, the count at this pixel size.
    void arrange(const QSize &size, int countPixelSize);
    // The widest the count's text is at a pixel size, for the view to choose one size for all.
    int countWidth(int countPixelSize) const;
    // The height of the count's line at a pixel size.
    static int countLineHeight(int countPixelSize);

    // The texts on show, for checks and for the picture.
    QString sentenceText() const;
    QString countText() const;
    // The day's average pace; the present hour's by the pattern, empty without one.
    QString intervalText() const;
    QString hourPaceText() const;
    QString sourceText() const;
    QString rateText() const;
    QList<QLabel *> texts() const;
    QLabel *countLabel() const { return m_count; }
    // Whether the mark of a new victim is on show.
    bool isMarked() const;
    // Ends the mark now, as its timer does after a moment.
    void endMark();
    int announcements() const;

private:
    void refresh();
    void onNewVictim();
    void showCount();
    void fitSentence(const QRect &box);
    void fitPlain(QLabel *label, const QRect &box, const QString &full, int largest, int smallest);

    Counter &m_counter;
    CountDescription m_what;
    // The whole texts; a label may show one shortened to fit.
    QString m_fullSentence;
    QString m_fullInterval;
    QString m_fullHourPace;
    // The size last laid out in, to lay out again when the hour's line comes or goes.
    QSize m_laidOut;
    QString m_fullSource;
    QString m_fullRate;
    bool m_reducedMotion = false;
    bool m_marked = false;
    int m_countPixelSize = 48;
    QLabel *m_sentence = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_interval = nullptr;
    QLabel *m_hourPace = nullptr;
    QLabel *m_source = nullptr;
    QLabel *m_rate = nullptr;
    VictimAnnouncer *m_announcer = nullptr;
    QTimer *m_markTimer = nullptr;
};
