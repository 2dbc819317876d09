#pragma once

#include "core/recount.h"

#include <QList>
#include <QString>

// Which accumulation modes keep a count within the odometer's capacity (99.999,9999) at the
// instant and rate of `in` (its mode is ignored), in the order day, month, year.
QList<AccumulationMode> modesWithinCapacity(RecountInput in);

// "dia", "mês", "ano".
QString modeName(AccumulationMode mode);

// What a reader is told when the count is over capacity in `mode`:
// "No modo ano a contagem passa de 99.999,9999, o máximo do odômetro. Cabem: dia e mês."
// (or "Nenhum modo cabe." when none does).
QString overCapacityText(AccumulationMode mode, const QList<AccumulationMode> &fitting);
