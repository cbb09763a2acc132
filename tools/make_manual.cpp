// Writes the PDF manual from the program's help topics (run by the build).
#include "services/Manual.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillora_manual OUTPUT.pdf\n");
        return 2;
    }
    return Manual::Write(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
