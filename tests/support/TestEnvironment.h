#pragma once

#include <QString>

// Puts HOME and the XDG folders of this test process into a fresh temporary
// folder, before Qt reads them, and fixes the platform to offscreen.
class TestEnvironment {
public:
    static void setUp();
    static QString home();
    // Makes TZ name `zone` for the process and the C library.
    static void setTimeZone(const char* zone);
};
