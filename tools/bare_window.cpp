// The yardstick of scripts/startup-benchmark.sh: the least a Qt program with
// a Chinese text does before its first picture.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("GSM车载防盗报警器设置软件"));
    label.show();
    return app.exec();
}
