#pragma once

#include "composite.h"

#include <QByteArray>

// A body made of parts as a small JSON file: its parts, joints, the texts as
// typed and their units, with a format version, so that a teacher opens next
// year what was typed this year. Nothing read is ever run or shown as markup.
namespace model {

inline constexpr int kFileVersion = 1;
// A file larger than this is not a description, whatever it holds.
inline constexpr qint64 kMaxFileBytes = 256 * 1024;
// Longer than any calculation a pupil types into a box.
inline constexpr qsizetype kMaxTextLength = 200;
// Copies of one part joined the same way.
inline constexpr int kMaxCount = 99;

QByteArray writeDescription(const Description& description);

// Raises rt::Error whose advice says in German what is wrong: damaged, from a
// newer version, too large, or something else altogether.
Description readDescription(const QByteArray& bytes);

} // namespace model
