#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kaminor"));
    window.resize(894, 680);
    window.show();
    return app.exec();
}
