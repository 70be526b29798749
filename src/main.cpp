#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    QLabel label(QStringLiteral("Brivane"));
    label.show();
    return QApplication::exec();
}
