#pragma once

#include <QPixmap>
#include <QStyleOptionProgressBar>

#include <optional>

class QProgressBar;

// What a progress bar draws, apart from the bar widget: its style option, how far its
// filling reaches in pixels, and its picture drawn off screen.

// The style option the bar paints itself with.
QStyleOptionProgressBar progressBarOption(const QProgressBar *bar);

// How many pixels of the bar's contents its filling covers, when the bar's look depends on
// that alone (Fusion without a style sheet, a determinate bar with no text shown): bars of
// one length look alike whatever their values. Nothing for any other bar.
std::optional<int> filledLength(const QProgressBar *bar);

// The bar as it paints itself, on a transparent picture of its size.
QPixmap progressBarPicture(const QProgressBar *bar);
