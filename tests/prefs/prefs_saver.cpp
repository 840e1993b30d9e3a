// Saves the two records of SaveSets.h into the folder given, one after the
// other, until it is killed. Prints one line once it is about to start.
#include "SaveSets.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: prefs_saver FOLDER\n");
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    std::printf("saving\n");
    std::fflush(stdout);
    // The folder starts with record 0: begin with the other one.
    for (unsigned n = 1;; ++n) {
        if (!SaveSets::save(int(n % 2), folder))
            return 2;
    }
}
