// Saves a picture of the main window as the program shows it at start.
// Usage: worvanta-screenshot OUTPUT.png
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "app/start_up.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Utilizare: worvanta-screenshot FISIER.png\n");
        return 2;
    }
    const auto windows = worvanta::app::createWindows();
    windows->fMenuOrvanta->show();
    QApplication::processEvents();
    if (!windows->fMenuOrvanta->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "Imaginea nu a putut fi scrisa in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
