#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

namespace vorlant {

// The embedded media: pictures "DATA_1" to "DATA_42" and sounds "WAVE_UP", "WAVE_DOWN",
// "WAVE_ERR", each a resource ":/media/<name>" of the board library.
inline constexpr int kPictureCount = 42;

// ":/media/<name>".
QString MediaPath(std::string_view name);

// "DATA_<number>", number 1 to kPictureCount.
QString PictureName(int number);

// The name of the first picture that the program lacks, empty when it has them all.
QString FirstMissingPicture();

// The resource's bytes, pointing into the program image without a copy; empty if there is
// no such resource.
QByteArray MediaBytes(std::string_view name);

} // namespace vorlant
