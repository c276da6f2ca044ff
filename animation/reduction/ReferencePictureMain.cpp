// vx7refpicture OUT: writes the reference picture of colour reduction (the build puts
// it into the install medium's system picture folder).
#include "animation/reduction/ReferencePicture.h"

#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vx7refpicture OUT.GIF\n", stderr);
        return 2;
    }
    QString error;
    if (!vx7::animation::ReferencePicture::Write(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "vx7refpicture: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
