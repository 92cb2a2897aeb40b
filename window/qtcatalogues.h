#pragma once

#include <QString>

// The folder that holds the toolkit's own catalogues (qtbase_de.qm and the others): the
// toolkit's translations folder, or translations\ beside the program on Windows.
QString qtCataloguesFolder();
