#pragma once

#include <cstdint>

// Status codes of the legacy file layer: 0 for success, negative for a
// failure. They follow the numbering the legacy program's files were written
// under, so a code shown to the user means the same thing it always did.
class LegacyStatus {
public:
    using Code = std::int16_t;

    LegacyStatus() = delete;

    static constexpr Code noError = 0;
    static constexpr Code ioError = -36;
    static constexpr Code endOfFile = -39;
    static constexpr Code fileNotFound = -43;
    static constexpr Code badParameter = -50;
    static constexpr Code permissionDenied = -54;
    static constexpr Code folderNotFound = -120;
    // A folder, device, FIFO or socket where a file was expected.
    static constexpr Code notAFile = -1302;
    static constexpr Code malformedText = -8739;
    static constexpr Code textBufferFull = -8785;
};
