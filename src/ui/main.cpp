#include <QApplication>
#include <QMainWindow>

// A placeholder window until the main window exists.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow principal;
  principal.setObjectName(QStringLiteral("Principal"));
  principal.setWindowTitle(QStringLiteral("Ruvek"));
  principal.resize(480, 402);
  principal.show();
  return QApplication::exec();
}
