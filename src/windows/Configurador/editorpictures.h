#pragma once

#include <QPixmap>
#include <QSize>

// The faces of the editor's four buttons: check, clear, save, hand over to the counter.
QPixmap editorButtonPicture(int index, QSize size, qreal devicePixelRatio = 1.0);
