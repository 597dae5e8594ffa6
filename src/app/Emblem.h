// The program's emblem, drawn rather than shipped: a shield with a document and a check mark.
#pragma once

#include <QPixmap>

QPixmap drawEmblem(int size);
