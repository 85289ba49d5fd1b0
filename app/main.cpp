#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("perfil");
    QApplication::setApplicationVersion(PERFIL_VERSION);
    std::printf("perfil %s\n", PERFIL_VERSION);
    return 0;
}
