#include "core/capacity.h"

QList<AccumulationMode> modesWithinCapacity(RecountInput in)
{
    QList<AccumulationMode> fitting;
    for (AccumulationMode mode :
         {AccumulationMode::Dia, AccumulationMode::Mes, AccumulationMode::Ano}) {
        in.mode = mode;
        if (!recount(in).overCapacity)
            fitting.append(mode);
    }
    return fitting;
}

QString modeName(AccumulationMode mode)
{
    switch (mode) {
    case AccumulationMode::Mes:
        return QStringLiteral("mês");
    case AccumulationMode::Ano:
        return QStringLiteral("ano");
    case AccumulationMode::Dia:
        break;
    }
    return QStringLiteral("dia");
}

QString overCapacityText(AccumulationMode mode, const QList<AccumulationMode> &fitting)
{
    QString text = QStringLiteral("No modo %1 a contagem passa de 99.999,9999, o máximo do "
                                  "odômetro. ")
                       .arg(modeName(mode));
    if (fitting.isEmpty())
        return text + QStringLiteral("Nenhum modo cabe.");
    QStringList names;
    for (AccumulationMode fit : fitting)
        names.append(modeName(fit));
    const QString last = names.takeLast();
    const QString list =
        names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last;
    return text + QStringLiteral("Cabe%1: %2.")
                      .arg(fitting.size() > 1 ? QStringLiteral("m") : QString(), list);
}
