#pragma once

#include <QString>

class DistributionModel;

// Looks through the stored patterns in list order for the first whose name equals the chosen
// one exactly (case, accents and spaces count). Each pattern visited is selected, so the editor
// loads it as a click would. Returns its index, with that pattern loaded; or -1 with the
// editor's cells and Tipo emptied, the slider and the last selection kept.
int lookUpPattern(DistributionModel &model, const QString &chosenName);
