// Where the screenshot programs write their pictures: the folder is made before the first one, and
// a folder or picture that cannot be written is said on stderr and makes the program end non-zero
// (`return PicturesExitStatus();` at the end of main).
#pragma once

#include <QPixmap>
#include <QString>

// Makes the folder and the folders above it that are missing; false (said and counted) when it
// cannot.
bool MakePictureFolder(const QString& dir);
// Writes the picture in the format its name ends with; false (said and counted) when it cannot.
bool SavePicture(const QPixmap& picture, const QString& path, const char* format = nullptr);
// 0 when every folder and picture asked for was made, else 1.
int PicturesExitStatus();
