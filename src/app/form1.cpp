#include "app/form1.h"

#include <QMenuBar>

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle("Velumat");
  menuBar();
  resize(790, 590);
}
