// The windows the main window opens: the distribution editor and the about window.
#include "windows/DeadZone/deadzone.h"

void DeadZone::showEditor()
{
    distributionModel();
}

void DeadZone::showAbout()
{
}

void DeadZone::closeSecondaryWindows()
{
}
