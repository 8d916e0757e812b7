#include "HeapTuning.h"
#include "KeshApp.h"

#include <cstdlib>

int main(int argc, char** argv) {
    HeapTuning::useHugePages(argv);
    KeshApp app(argc, argv);
    if (!app.init()) {
        return EXIT_FAILURE;
    }
    app.loadInterface();
    return app.exec();
}
