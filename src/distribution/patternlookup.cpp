#include "distribution/patternlookup.h"

#include "distribution/distributionmodel.h"

int lookUpPattern(DistributionModel &model, const QString &chosenName)
{
    // The count is taken once: loading a pattern never changes the list.
    const int count = model.patternCount();
    for (int i = 0; i < count; ++i) {
        model.selectPattern(i);
        if (model.currentText() == chosenName)
            return i;
    }
    model.clearCells();
    return -1;
}
