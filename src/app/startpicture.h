#pragma once

#include <QPixmap>

// The picture on the left of the start menu, which the wizard pages show too.
QPixmap StartPicture(QSize size);
