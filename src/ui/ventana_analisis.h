// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "core/track.h"

namespace ruvek {

// "Análisis del track": six altitude figures of the current table, computed while the window
// loads. Closed by its picture button or the close box.
class Analisis : public QDialog {
  Q_OBJECT

 public:
  Analisis(const Track& track, QWidget* padre);
};

}  // namespace ruvek
