// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QApplication;
class QWidget;

namespace ruvek {

// A filter of "description|pattern|" pairs as the name filters of a QFileDialog.
QStringList FiltrosQt(const std::string& filtro);

// Qt's own dialogs and buttons in Spanish, whatever the user's locale. Only the texts change:
// the default locale stays the user's (making it Spanish costs 2 MB of ICU data).
void InstalaTraduccionEspanola(QApplication& app);

// Modal message box with the information (or the warning) icon and one OK button.
void MuestraMensaje(QWidget* padre, const QString& texto, const QString& titulo,
                    bool advertencia = false);

}  // namespace ruvek
