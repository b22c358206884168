#include <QApplication>

// Stand-in so the skeleton links; the shell branch brings the real entry point.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return 0;
}
