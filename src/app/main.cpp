#include <QApplication>

#include "platform/Settings.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Platform::kAppTitle));
    return 0;
}
