#include <QApplication>

// Stands in until the shell's start-up lands; lets this branch configure and link alone.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return 0;
}
