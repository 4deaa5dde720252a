// The floor for any Qt Widgets program: a 1000 x 400 window with a line edit and 50 buttons.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(1000, 400);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(10, 10, 980, 24);
    for (int i = 0; i < 50; ++i) {
        auto* button = new QPushButton(QString::number(i), &window);
        button->setGeometry(10 + (i % 10) * 98, 50 + (i / 10) * 60, 90, 50);
    }
    window.show();
    return QApplication::exec();
}
