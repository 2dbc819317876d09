// The comparison of several counters from the main window: Ctrl+K and the tool panel's
// "Comparar…" open the dialog, then the view; this window hides meanwhile.
#include "windows/DeadZone/deadzone.h"

#include "windows/Comparacao/comparisonlauncher.h"

void DeadZone::connectComparison()
{
    m_comparison = new ComparisonLauncher(m_clock, m_dataDirectory, this);
    m_comparison->setReducedMotion(m_reducedMotion);
    connect(this, &DeadZone::reducedMotionChanged, m_comparison,
            &ComparisonLauncher::setReducedMotion);
    connect(m_comparison, &ComparisonLauncher::reported, this, &DeadZone::showPictureReport);
}
