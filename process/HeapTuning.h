#pragma once

// Start-up tuning of the process's memory. A lifetime of records is a few
// hundred megabytes read in one go; with the C library's heap on 4 KiB pages,
// taking that memory from the kernel costs more than reading the file.
class HeapTuning {
public:
    HeapTuning() = delete;

    // Asks the C library to back its heap with huge pages. The C library reads
    // that setting only when a process starts, so the first call restarts the
    // program once with it; when that cannot be done the program runs on
    // unchanged. Call first thing in main(), before any thread exists.
    static void useHugePages(char** argv);

    // Gives the kernel back the heap memory freed so far. Reading a library
    // leaves its working tables free inside the heap, where the C library
    // would keep them resident for good; call once the library is open.
    static void returnFreedMemory();
};
