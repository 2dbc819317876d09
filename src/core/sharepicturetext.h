#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The words and numbers of a picture of the count made to be shared: its size as typed on the
// command line, the file name offered for it and the texts of its caption line. No widgets.

// The picture's side, in pixels, is kept between these: smaller is unreadable, larger is more
// than any screen or post needs and a memory hazard.
inline constexpr int kMinPictureSide = 320;
inline constexpr int kMaxPictureSide = 7680;
// The size when none is asked for: a full HD screen, what most posts show whole.
inline constexpr QSize kDefaultPictureSize{1920, 1080};

// "LARGURAxALTURA" ("1920x1080", an upper-case X too), both sides within the limits above;
// nothing for any other text (signs, spaces, decimals, a missing side).
std::optional<QSize> parsePictureSize(QStringView text);

// The image format a picture's file name asks for by its suffix, in any case: "PNG" for
// ".png", "JPEG" for ".jpg" and ".jpeg"; nothing for any other name, which is refused rather
// than written in a format its name does not say.
std::optional<QByteArray> pictureFormatFor(QStringView fileName);

// "quorvel-AAAA-MM-DD-HHMM.png" for that instant: sorted by name, the pictures are in order.
QString defaultPictureFileName(const QDateTime &at);

// "em 10/12/2026 às 14:32": when the count in the picture stood as shown.
QString pictureDateText(const QDateTime &at);

// The program's name, drawn small at the caption's end.
QString pictureProgramText();

// The sources of the figures shown, one after another ("Fonte: …, dados de 2022"); the same
// line twice (two counters of one source) is said once, and empty lines are left out.
QString pictureSourcesText(const QStringList &sources);
