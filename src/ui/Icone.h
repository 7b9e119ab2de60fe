#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, drawn rather than shipped: two fanned cards on the green of the table.
QImage dessineIcone(int cote);
QIcon iconeDuProgramme();
