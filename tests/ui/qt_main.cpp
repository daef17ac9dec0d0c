#include <gtest/gtest.h>

#include <QApplication>

#include "ui/plataforma_qt.h"

// Window tests run without a display unless told otherwise.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  ruvek::InstalaTraduccionEspanola(app);
  return RUN_ALL_TESTS();
}
