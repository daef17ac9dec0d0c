#pragma once

#include <QString>
#include <string>

class QApplication;
class QWidget;

namespace ruvek {

// Writes a file through QSaveFile: the content replaces the file only once it has been written
// completely. Raises Error(FileError) on any failure, leaving the old file untouched.
void GuardaConQSaveFile(const std::string& nombre, const std::string& contenido);

// A filter of "description|pattern|" pairs as the name filters of a QFileDialog.
QStringList FiltrosQt(const std::string& filtro);

// Qt's own dialogs and buttons in Spanish, whatever the user's locale.
void InstalaTraduccionEspanola(QApplication& app);

// Modal message box with the information icon and one OK button.
void MuestraMensaje(QWidget* padre, const QString& texto, const QString& titulo);

}  // namespace ruvek
