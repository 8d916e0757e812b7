#include "HeapTuning.h"
#include "KeshApp.h"

#include <cstdlib>

int main(int argc, char** argv) {
    HeapTuning::useHugePages(argv);
    KeshApp app(argc, argv);
    if (!app.init()) {
        // Handing over to the kesh already running is no failure.
        return app.handedOver() ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    app.loadInterface();
    return app.exec();
}
