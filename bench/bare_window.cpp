// The floor of a Qt Widgets start-up: a window of 100 push buttons and nothing else.
// bench/startup.py starts it beside the calculator.

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.setFixedSize(654, 550);
  for (int i = 0; i < 100; ++i) {
    auto* button = new QPushButton(QString::number(i), &window);
    button->setGeometry(8 + (i % 10) * 64, 8 + (i / 10) * 32, 60, 25);
  }
  window.show();
  return QApplication::exec();
}
