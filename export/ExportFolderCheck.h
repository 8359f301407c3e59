#pragma once
#include <QString>

// Why folder cannot take an export ("" when it can): the text of the box that refuses it.
QString ExportFolderProblem(const QString& folder);
