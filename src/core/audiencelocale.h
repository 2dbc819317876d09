#pragma once

#include <QLocale>

// The numbers the audience reads (the full-screen views, the pictures and their captions) are
// Brazilian whatever the environment says: a picture made by a scheduled job without LANG
// would otherwise write "5,772.0300". The main window's fields follow QLocale() instead.
inline QLocale audienceLocale()
{
    return QLocale(QLocale::Portuguese, QLocale::Brazil);
}
