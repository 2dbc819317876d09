#pragma once

#include <QObject>
#include <QString>

class Counter;
class QLabel;
class QLineEdit;

// A counter's figures as text in a window's fields, following its signals: the rates of the
// monthly figure (a day, the hour with the pattern in use, a year), the interval sentence
// ("uma vítima a cada …"), and the count of the last recount with the hour's share and the
// status bar's line; none of them after a reset or over capacity.
class CountFields : public QObject
{
    Q_OBJECT

public:
    struct Fields
    {
        QLineEdit *daily = nullptr;    // ParametroDia
        QLabel *dailyMirror = nullptr; // Label4
        QLabel *hourly = nullptr;      // Parametrohora
        QLabel *yearly = nullptr;      // Label8
        QLabel *interval = nullptr;    // IntervaloVitimas
        QLineEdit *count = nullptr;    // ParametroHoje
        QLabel *countMirror = nullptr; // Label6
        QLabel *hourShare = nullptr;   // PercentualDinamico
        QLabel *statusLine = nullptr;  // st1Panel(2)
    };

    CountFields(Counter &counter, const Fields &fields, QObject *parent);

    // The figure of the present hour, as its field shows it ("1.301").
    QString hourlyText() const;

private:
    void showFigure();
    void showHourly();
    void showInterval();
    void showRecount();
    void clearCount();

    Counter &m_counter;
    Fields m_fields;
};
