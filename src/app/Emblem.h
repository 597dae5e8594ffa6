// The program's emblem, drawn rather than shipped (a shield with a document and a check mark),
// and the product labels shown beside it.
#pragma once

#include <QPixmap>

class QLabel;
class QWidget;

QPixmap drawEmblem(int size);

// The pieces the splash and the About box both show: the emblem, the product name in
// large bold type, and the version line.
QLabel* makeEmblemLabel(int size, QWidget* parent);
QLabel* makeProductNameLabel(int pointSize, QWidget* parent);
QLabel* makeVersionLabel(QWidget* parent);
