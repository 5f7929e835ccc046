#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("K-904"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("K-904"));
    window.showMaximized();
    return app.exec();
}
